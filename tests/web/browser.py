# SPDX-License-Identifier: MIT
# Serves the page's folder on 127.0.0.1 and drives Debian's headless Chromium over it, for the browser tests.
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading

# CTest's code for a test that could not run here (SKIP_RETURN_CODE).
SKIPPED = 77


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.js': 'text/javascript'}

    def __init__(self, *args, held, **kwargs):
        self.held = held
        super().__init__(*args, **kwargs)

    def log_message(self, *args):
        pass

    def do_GET(self):
        event = self.held.get(self.path.split('?')[0].rsplit('/', 1)[-1])
        if event:
            event.wait()
        super().do_GET()


class Server:
    """The page's folder served as a static host serves it, on a free port of 127.0.0.1.
    A file named in held is sent only once its event is set."""

    def __init__(self, folder, held=None):
        handler = functools.partial(_QuietHandler, directory=folder, held=held or {})
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


class Browser:
    """Headless Chromium with a profile of its own, kept across restarts until removed,
    so that what the page keeps in the browser outlives a reload and a restart."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix='quimbelo-chromium-')
        self.downloads = os.path.join(self.profile, 'descargas')
        os.mkdir(self.downloads)
        self.driver = None

    def start(self):
        self.driver = chromium(self.profile, '--disable-dev-shm-usage', '--window-size=1024,768',
                               prefs={'download.default_directory': self.downloads,
                                      'download.prompt_for_download': False})
        self.driver.set_script_timeout(60)
        return self.driver

    def stop(self):
        if self.driver:
            self.driver.quit()
            self.driver = None

    def remove(self):
        self.stop()
        shutil.rmtree(self.profile, ignore_errors=True)


def chromium(profile, *arguments, prefs=None, capabilities=None):
    """Debian's headless Chromium through chromedriver, in Spanish, with the given profile
    folder, reaching no network but the addresses it is sent to."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which('chromium') or '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
                     '--no-default-browser-check', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--no-proxy-server',
                     '--lang=es', '--user-data-dir=' + profile, *arguments):
        options.add_argument(argument)
    if prefs:
        options.add_experimental_option('prefs', prefs)
    for name, value in (capabilities or {}).items():
        options.set_capability(name, value)
    service = Service(shutil.which('chromedriver') or '/usr/bin/chromedriver')
    return webdriver.Chrome(service=service, options=options)


def skip_for(error):
    """Ends the test program as skipped, saying why Chromium could not start."""
    first = str(error).strip().splitlines()[0] if str(error).strip() else type(error).__name__
    print('Skipped: Chromium cannot start: %s' % first)
    sys.exit(SKIPPED)


def start_or_skip(browser):
    """Starts the browser, or ends the test program as skipped, saying why, when Chromium
    or its driver is missing or cannot start here."""
    try:
        return browser.start()
    except Exception as error:  # selenium is missing, or the browser would not start
        browser.remove()
        skip_for(error)
