"""The browsers the page's tests and its benchmark drive: Debian's Chromium,
headless, through chromium-driver; and Safari's engine, WebKitGTK's
MiniBrowser, through Debian's webkit2gtk-driver (on a display: run it under
xvfb-run).

Chromium runs with a profile of its own made afresh (or one the caller keeps,
to start the browser again on it), and with whatever it would fetch by itself
(updates, sync, field trials) turned off, so that any request seen comes
from the page.
"""
import functools
import http.server
import json
import os
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
# Debian 12 has it with WebKitGTK 4.1, Debian 13 with 4.1 or 6.0: the tests
# name the one the build found.
MINIBROWSER = os.environ.get("DD_MINIBROWSER",
                             "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser")
FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600", "--force-device-scale-factor=1",
]


def beside(name):
    """The text of a script of the tests, beside this file."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name),
              encoding="utf-8") as source:
        return source.read()


# Scripts the tests run in the page: the clipboard as a user fills and reads
# it; what the page's policy refuses.
CLIPBOARD = beside("clipboard.js")
PROBE = beside("policy_probe.js")


class Server:
    """A static web server of a folder on 127.0.0.1, on a port of its own,
    that notes the path of every request it is sent."""

    def __init__(self, root, port=0):
        self.asked = []
        asked = self.asked

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                asked.append(self.path)

        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", port), functools.partial(Handler, directory=root))
        self.port = self.server.server_address[1]
        self.url = "http://127.0.0.1:%d/" % self.port
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        if self.server is not None:
            self.server.shutdown()
            self.server.server_close()
            self.server = None


def webkit():
    """MiniBrowser under webkit2gtk-driver, its window the size Chromium's is."""
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    try:  # Selenium 4.10 and later take the driver as a service
        from selenium.webdriver.webkitgtk.service import Service as WebKitService
        driver = webdriver.WebKitGTK(options=options, service=WebKitService(WEBKIT_DRIVER))
    except TypeError:  # Debian 12's Selenium 4.8
        driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)
    driver.set_window_size(800, 600)
    return driver


class Browser:
    def __init__(self, engine="chromium", profile=None):
        self.engine = engine
        self.kept_profile = profile is not None
        if engine == "webkit":
            self.profile = None
            self.driver = webkit()
            return
        self.profile = profile or tempfile.mkdtemp(prefix="dd-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        # The DevTools events of every page, network requests among them,
        # and what the page's console says.
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def close(self):
        self.driver.quit()
        if self.profile and not self.kept_profile:
            shutil.rmtree(self.profile, ignore_errors=True)

    def open(self, path):
        """Opens the page from disk, or from an http:// address, and waits
        until its window is ready."""
        self.driver.get(path if path.startswith("http://") else "file://" + os.path.abspath(path))
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            "return document.documentElement.dataset.ready === 'true'"))

    def emulate(self, width, height, touch, density=None):
        """Chromium's device emulation: a touch screen (a phone or a tablet,
        twice as dense as a desktop) or a mouse's screen, of that many CSS
        pixels, by default a desktop's zoomed to 400 %; `density` device
        pixels to a CSS pixel instead."""
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": touch, "maxTouchPoints": 5 if touch else 1})
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height,
            "deviceScaleFactor": density or (2 if touch else 4), "mobile": touch})

    def requests(self):
        """The address of every request made since the last call."""
        addresses = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                addresses.append(message["params"]["request"]["url"])
        return addresses

    def console(self):
        """The warnings and errors of the page's console since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("WARNING", "SEVERE")]
