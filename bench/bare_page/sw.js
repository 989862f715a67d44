// Serves the bare page from one cache, as the calculator's worker does.
const CACHE = 'bare';
const FILES = ['./', './index.html', './bare.js'];
self.addEventListener('install', (event) => event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))));
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));
self.addEventListener('fetch', (event) => event.respondWith(caches.match(event.request, { ignoreSearch: true })
  .then((cached) => cached ?? fetch(event.request))));
