// What the page, its service worker and the build must name alike, written
// into the page's script and the worker by the build: the prefix of every
// cache the worker keeps, and the word a page sends its worker as it leaves.
export const cachePrefix = 'quimbel-';
export const leavingWord = 'leaving';
