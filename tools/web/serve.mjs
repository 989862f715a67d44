// A static server for the site on 127.0.0.1, for trying the page, its tests
// and its measurements. Run alone: node serve.mjs SITE [PORT].
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wasm': 'application/wasm',
};

// Files are read on each request, so a test can publish a new site over the
// old one. `cacheControl` is what every answer says of caching (by default,
// revalidate on every use).
export function serve(root, { port = 0, cacheControl = 'no-cache' } = {}) {
  const server = createServer(async (request, response) => {
    let path;
    try {
      path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    } catch {
      return response.writeHead(400).end(); // a malformed address, such as /%E0
    }
    const file = join(root, path.endsWith('/') ? `${path}index.html` : path);
    try {
      const { mtimeMs, size } = await stat(file);
      const tag = `"${mtimeMs.toString(36)}-${size.toString(36)}"`;
      const headers = { ETag: tag, 'Cache-Control': cacheControl };
      if (request.headers['if-none-match'] === tag) return response.writeHead(304, headers).end();
      const body = await readFile(file);
      response.writeHead(200, { ...headers, 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }),
  })));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const { url } = await serve(process.argv[2], { port: Number(process.argv[3] ?? 8000) });
  console.log(`QUIMBEL: ${url}`);
}
