// SPDX-License-Identifier: MIT
// Registers the page's service worker, which keeps the page's files for playing offline.
'use strict';

// After the page has loaded, so that the first start does not wait for the worker's
// downloads. A page opened from a file, or where service workers are off, plays online.
if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
        navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`sw.js: ${error}`));
    });
}
