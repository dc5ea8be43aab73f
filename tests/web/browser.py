"""Debian's Chromium, headless, driven through chromium-driver: what the
page's tests and its benchmark share.

The browser runs with a profile of its own made afresh, and with whatever it
would fetch by itself (updates, sync, field trials) turned off, so that any
request seen comes from the page.
"""
import json
import os
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600", "--force-device-scale-factor=1",
]


class Browser:
    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="dd-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        # The DevTools events of every page, network requests among them.
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def open(self, path):
        """Opens the page from disk, or from an http:// address, and waits
        until its window is ready."""
        self.driver.get(path if path.startswith("http://") else "file://" + os.path.abspath(path))
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            "return document.documentElement.dataset.ready === 'true'"))

    def requests(self):
        """The address of every request made since the last call."""
        addresses = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                addresses.append(message["params"]["request"]["url"])
        return addresses
