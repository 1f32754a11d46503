// Keeps the whole site on the first visit, so that the trainer starts again without a network.
// scripts/web/build.sh writes the site's version in: a new site is a new sw.js, which the browser
// installs at the next visit with a network; it keeps the new files and drops the old ones.
"use strict";
const version = "@SITE_VERSION@";
const files = [@SITE_FILES@];
const kept = "rekenrups-" + version;

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(kept)
      .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: "reload" }))))
      .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith("rekenrups-") && name !== kept)
                                        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The kept file first; what the site does not hold goes to the network as usual.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(
    caches.open(kept)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((response) => response || fetch(event.request)));
});
