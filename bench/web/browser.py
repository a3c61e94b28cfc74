#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Times the game's page and the browser's floors in Debian's headless Chromium, served from
# 127.0.0.1 by a server of its own. Prints "name: value unit" lines, as bench/run.sh does.
#
#   browser.py [--mount NAME=DIR]... startup --runs N [--settle MS]
#   browser.py [--mount NAME=DIR]... newround --program NAME --rounds N --warm-up N --runs N --prefix P
#   browser.py [--mount NAME=DIR]... transfer --page PATH
#
# Each --mount serves DIR under /NAME/. "startup" loads /floor/bare.html, /game/ and
# /floor/swap.html in turn, each from an empty cache, and reads the time from the start of
# the navigation to the first frame (the performance marks "floor:first-frame" and
# "quimbelo:splash-frame"), then types a key on the splash or the first block and reads
# the time from the key to the next window's first frame ("quimbelo:game-frame",
# "floor:swap-frame"). Each page makes its mark in the animation frame that follows its
# drawing, before the browser lays that frame out and paints it: the figures are taken
# when that frame's work is done (a task posted from the mark runs after it), so that
# layout done in the frame and layout forced earlier count alike. "newround" runs newround.html with a program and prints its lines.
# "transfer" loads a page from an empty cache and storage and lists every file it fetched,
# its service worker's included, with its size compressed by gzip -9.
#
# Every load starts with the origin's storage cleared (caches, service workers, IndexedDB)
# and Chromium's cache off: the first visit of a player.
import argparse
import gzip
import http.server
import os
import shutil
import sys
import tempfile
import threading
import time
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

# What Chromium needs to be told of the types; WebAssembly compiled while it is fetched
# needs application/wasm.
TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.mjs': 'text/javascript',
    '.wasm': 'application/wasm',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.css': 'text/css',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.ico': 'image/x-icon',
    '.txt': 'text/plain; charset=windows-1252',
    '.TXT': 'text/plain; charset=windows-1252',
    '.data': 'application/octet-stream',
}


class Site:
    """A static server on 127.0.0.1 over the mounted folders, recording what it serves."""

    def __init__(self, mounts, isolated):
        self.mounts = mounts
        self.isolated = isolated  # mounts served cross-origin isolated (finer timers)
        self.served = []  # (mount, relative path, file) of every answered request
        self.lock = threading.Lock()
        site = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = 'HTTP/1.1'

            def log_message(self, *args):
                pass

            def do_GET(self):
                path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
                parts = path.lstrip('/').split('/', 1)
                root = site.mounts.get(parts[0])
                rel = parts[1] if len(parts) > 1 else ''
                if rel == '' or rel.endswith('/'):
                    rel += 'index.html'
                file = os.path.realpath(os.path.join(root, rel)) if root else None
                if not file or not file.startswith(os.path.realpath(root) + os.sep) \
                        or not os.path.isfile(file):
                    self.send_response(404)
                    self.send_header('Content-Length', '0')
                    self.end_headers()
                    return
                with open(file, 'rb') as f:
                    body = f.read()
                with site.lock:
                    site.served.append((parts[0], rel, file))
                self.send_response(200)
                self.send_header('Content-Type', TYPES.get(os.path.splitext(file)[1],
                                                           'application/octet-stream'))
                self.send_header('Content-Length', str(len(body)))
                self.send_header('Cache-Control', 'no-store')
                if parts[0] in site.isolated:
                    self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
                    self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
                self.end_headers()
                self.wfile.write(body)

        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
        self.server.daemon_threads = True
        self.origin = 'http://127.0.0.1:%d' % self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.server.shutdown()


class Browser:
    """Debian's Chromium, headless, through chromedriver; no network but 127.0.0.1."""

    def __init__(self, origin):
        self.origin = origin
        self.profile = tempfile.mkdtemp(prefix='quimbelo-chromium.')
        options = Options()
        options.binary_location = '/usr/lib/chromium/chromium'
        for flag in ('--headless=new', '--no-sandbox', '--window-size=1024,768',
                     '--force-device-scale-factor=1', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update',
                     '--disable-default-apps', '--disable-sync', '--disable-extensions',
                     '--proxy-server=127.0.0.1:9', '--proxy-bypass-list=127.0.0.1',
                     '--user-data-dir=' + self.profile):
            options.add_argument(flag)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.driver.set_script_timeout(120)
        self.cdp('Network.enable')
        self.cdp('Network.setCacheDisabled', cacheDisabled=True)
        # The time of the first key the page receives, on its own clock.
        # The time of the frame's end after each mark, as the mark NAME:painted.
        self.cdp('Page.addScriptToEvaluateOnNewDocument', source="""
            window.benchKeyAt = null;
            addEventListener('keydown', event => {
                if (window.benchKeyAt === null) window.benchKeyAt = event.timeStamp;
            }, true);
            const mark = performance.mark.bind(performance);
            performance.mark = (name, ...rest) => {
                const entry = mark(name, ...rest);
                const channel = new MessageChannel();
                channel.port1.onmessage = () => mark(name + ':painted');
                channel.port2.postMessage(null);
                return entry;
            };""")

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def fresh_load(self, path):
        """Opens path as on a first visit: nothing cached, nothing stored."""
        self.driver.get('about:blank')
        self.cdp('Storage.clearDataForOrigin', origin=self.origin, storageTypes='all')
        self.driver.get(self.origin + path)

    def mark(self, name, timeout_s=10):
        """The start time of the performance mark name, waiting for it to be made."""
        return self.driver.execute_async_script("""
            const [name, timeout, done] = arguments;
            const found = () => performance.getEntriesByName(name, 'mark')[0];
            if (found()) return done(found().startTime);
            const observer = new PerformanceObserver(() => {
                if (found()) { observer.disconnect(); done(found().startTime); }
            });
            observer.observe({ type: 'mark' });
            setTimeout(() => done(null), timeout);""", name, timeout_s * 1000)

    def key(self):
        """Types "a" as a player would: pressed and released."""
        common = dict(key='a', code='KeyA', windowsVirtualKeyCode=65, nativeVirtualKeyCode=65)
        self.cdp('Input.dispatchKeyEvent', type='keyDown', text='a', unmodifiedText='a', **common)
        self.cdp('Input.dispatchKeyEvent', type='keyUp', **common)

    def key_time(self):
        return self.driver.execute_script('return window.benchKeyAt')

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


def show(name, value, unit=''):
    print('%s: %s %s' % (name, 'nan' if value is None else '%.3f' % value, unit), flush=True)


def startup(browser, args):
    """One line per figure and run; bench/run.sh takes the medians."""
    settle = args.settle / 1000

    def window(path, first, second, prefix):
        browser.fresh_load(path)
        frame = browser.mark(first + ':painted')
        if frame is None:
            sys.exit('%s made no mark %s' % (path, first))
        time.sleep(settle)
        browser.key()
        swapped = browser.mark(second + ':painted')
        pressed = browser.key_time()
        if swapped is None or pressed is None:
            sys.exit('%s made no mark %s after a key' % (path, second))
        show(prefix + '_first_frame_ms', frame, 'ms')
        show(prefix + '_handover_ms', swapped - pressed, 'ms')
        # The marks themselves, at the start of those frames.
        show(prefix + '_first_frame_mark_ms', browser.mark(first), 'ms')
        show(prefix + '_handover_mark_ms', browser.mark(second) - pressed, 'ms')

    # One unmeasured load of each first, so that all find the same warm browser.
    for measured in [False] + [True] * args.runs:
        out = sys.stdout if measured else open(os.devnull, 'w')
        saved, sys.stdout = sys.stdout, out
        try:
            browser.fresh_load('/floor/bare.html')
            frame = browser.mark('floor:first-frame:painted')
            if frame is None:
                sys.exit('the bare page made no mark')
            show('floor_text_first_frame_ms', frame, 'ms')
            show('floor_text_first_frame_mark_ms', browser.mark('floor:first-frame'), 'ms')
            window('/game/' + args.page, 'quimbelo:splash-frame', 'quimbelo:game-frame', 'game')
            window('/floor/swap.html', 'floor:first-frame', 'floor:swap-frame', 'floor_swap')
        finally:
            sys.stdout = saved


def newround(browser, args):
    for _ in range(args.runs):
        browser.fresh_load('%s?program=%s&rounds=%d&warmup=%d'
                           % (args.page, args.program, args.rounds, args.warm_up))
        lines = browser.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            window.benchFinished.then(() => done(window.benchLines));""")
        isolated = browser.driver.execute_script('return crossOriginIsolated')
        for line in lines:
            if line.startswith(('stderr:', 'abort:')) or ':' not in line:
                sys.exit('%s: %s' % (args.program, line))
            if line.startswith('exit:'):
                continue
            print(args.prefix + line, flush=True)
        print('%scross_origin_isolated: %d' % (args.prefix, bool(isolated)), flush=True)


def transfer(browser, site, args):
    browser.fresh_load('/game/' + args.page)
    if browser.mark('quimbelo:splash-frame') is None:
        sys.exit('the page made no mark quimbelo:splash-frame')
    # What the service worker fetches after the page has come up belongs to the first
    # visit too: wait until nothing has been asked for over two seconds.
    seen, quiet_since = -1, time.monotonic()
    while time.monotonic() - quiet_since < 2 and time.monotonic() - quiet_since < 30:
        time.sleep(0.25)
        with site.lock:
            count = len(site.served)
        if count != seen:
            seen, quiet_since = count, time.monotonic()
    files = {}
    with site.lock:
        for mount, rel, file in site.served:
            if mount == 'game':
                files[rel] = file
    total_raw = total_gz = 0
    for rel, file in sorted(files.items()):
        with open(file, 'rb') as f:
            body = f.read()
        packed = len(gzip.compress(body, compresslevel=9, mtime=0))
        total_raw += len(body)
        total_gz += packed
        print('# %s: %d bytes, %d gzip -9' % (rel, len(body), packed))
    print('web_first_visit_files: %d files' % len(files))
    show('web_first_visit_bytes_kb', total_raw / 1000, 'kB')
    show('web_first_visit_gzip_kb', total_gz / 1000, 'kB')


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--mount', action='append', default=[], metavar='NAME=DIR')
    parser.add_argument('--isolate', action='append', default=[], metavar='NAME',
                        help='serve this mount cross-origin isolated (5 us timers)')
    sub = parser.add_subparsers(dest='command', required=True)
    s = sub.add_parser('startup')
    s.add_argument('--runs', type=int, default=15)
    s.add_argument('--settle', type=float, default=300, help='ms from first frame to key')
    s.add_argument('--page', default='', help='the game page under /game/')
    n = sub.add_parser('newround')
    n.add_argument('--page', required=True, help='path of newround.html, from the root')
    n.add_argument('--program', required=True)
    n.add_argument('--rounds', type=int, default=200)
    n.add_argument('--warm-up', type=int, default=3)
    n.add_argument('--runs', type=int, default=5)
    n.add_argument('--prefix', default='')
    t = sub.add_parser('transfer')
    t.add_argument('--page', default='', help='the game page under /game/')
    args = parser.parse_args()

    mounts = dict(m.split('=', 1) for m in args.mount)
    site = Site(mounts, set(args.isolate))
    browser = Browser(site.origin)
    try:
        if args.command == 'startup':
            startup(browser, args)
        elif args.command == 'newround':
            newround(browser, args)
        else:
            transfer(browser, site, args)
    finally:
        browser.close()
        site.close()


if __name__ == '__main__':
    main()
