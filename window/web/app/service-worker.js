// The published app's service worker. On the first visit it keeps the page
// and its files; from then on it serves them from there, so that the app
// opens and works offline. A newly published version is taken up on the next
// start: the browser fetches this script anew whenever the app opens, and
// since the build writes a digest of the files into it, a new version means
// a new script, which keeps the new files while the old page goes on and
// drops the old ones once it is in charge.
const VERSION = '@VERSION@';
const FILES = @FILES@;
// The page's own policy, which it also carries inside, sent as a header too
// (a server may add a stricter one of its own; the two then both hold).
const POLICY = "@POLICY@";
// Caches belong to a whole site: the name holds the scope, so that copies
// published under other paths of the same site keep their own.
const PREFIX = 'distinct-digits ' + self.registration.scope + ' ';
const CACHE = PREFIX + VERSION;

// The files as the server has them now, kept only if they are the version
// this script names: a folder caught half copied fails the install, and the
// browser tries again at the next start, rather than keeping an old page as
// the new version for good.
async function keep() {
  const responses = await Promise.all(FILES.map((file) => fetch(file, { cache: 'reload' })));
  const parts = [];
  for (let i = 0; i < FILES.length; ++i) {
    if (!responses[i].ok) {
      throw new Error(FILES[i] + ': ' + responses[i].status);
    }
    parts.push(new TextEncoder().encode(FILES[i] + '\0'),
               new Uint8Array(await responses[i].clone().arrayBuffer()));
  }
  // Joined by hand: WebKit's service worker of a page framed by another
  // site cannot read a Blob back (NotFoundError), and would never install.
  const whole = new Uint8Array(parts.reduce((length, part) => length + part.length, 0));
  parts.reduce((at, part) => {
    whole.set(part, at);
    return at + part.length;
  }, 0);
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', whole));
  const hex = Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  if (!hex.startsWith(VERSION)) {
    throw new Error('the files are not version ' + VERSION);
  }
  const cache = await caches.open(CACHE);
  await Promise.all(FILES.map((file, i) => cache.put(file, responses[i])));
}

self.addEventListener('install', (event) => {
  event.waitUntil(keep().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The app's own files are answered from the cache, with the policy, and any
// address in the scope that is opened with the page. What else the page asks
// for within the scope (only what the page's policy let through reaches the
// worker) is fetched as it would be without it, as is everything the cache
// has lost, should the browser have cleared it; what the page asks of other
// sites is left alone.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) {
    return;
  }
  event.respondWith(caches.open(CACHE).then((cache) => cache.match(request, { ignoreSearch: true })
    .then((kept) => kept ||
          (request.mode === 'navigate' ? cache.match('index.html') : undefined))
    .then((kept) => {
      if (!kept) {
        return fetch(request);
      }
      const headers = new Headers(kept.headers);
      headers.set('Content-Security-Policy', POLICY);
      return new Response(kept.body, { status: kept.status, statusText: kept.statusText, headers });
    })));
});
