// A screen's style sheet, linked into the page. Resolves once it has
// arrived, so that nothing of the screen ever shows unstyled; one that
// cannot come is taken out again, for the next tap to try anew.
export function linkStyle(href) {
  const style = Object.assign(document.createElement('link'), { rel: 'stylesheet', href });
  document.head.append(style);
  return new Promise((resolve, reject) => {
    style.onload = resolve;
    style.onerror = () => {
      style.remove();
      reject(new Error(`${href} could not load`));
    };
  });
}
