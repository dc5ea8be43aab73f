// The published app's service worker. On the first visit it keeps the page
// and its files; from then on it serves them from there, so that the app
// opens and works offline. A newly published version is taken up on the next
// start: the browser fetches this script anew whenever the app opens, and
// since the build writes a digest of the files into it, a new version means
// a new script, which keeps the new files while the old page goes on and
// drops the old ones once it is in charge.
const VERSION = '@VERSION@';
const FILES = @FILES@;
// Caches belong to a whole site: the name holds the scope, so that copies
// published under other paths of the same site keep their own.
const PREFIX = 'distinct-digits ' + self.registration.scope + ' ';
const CACHE = PREFIX + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') {
    return;
  }
  event.respondWith(caches.open(CACHE).then((cache) => cache.match(request, { ignoreSearch: true })
    .then((kept) => kept ||
          (request.mode === 'navigate' ? cache.match('index.html') : undefined))
    .then((kept) => kept || fetch(request))));
});
