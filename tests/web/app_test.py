#!/usr/bin/python3
"""The folder to publish the page from, served on 127.0.0.1 by a static web
server under a path of its own, in headless Chromium: installable with its
manifest as meant, kept by its service worker so that it opens and computes
with the server stopped, the network cut and the browser's cache disabled,
and a newly published version taken up on the next start.

Usage: app_test.py APP_DIR MAKE_APP... [-- unittest arguments]
MAKE_APP is the command that writes such a folder, less its last two
arguments (the page and the folder); the tests publish a changed page with it.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from browser import PROBE, Browser, Server

APP = sys.argv[1]
MAKE_APP = sys.argv[2:sys.argv.index("--")] if "--" in sys.argv else sys.argv[2:]
REST = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
PATH = "/classes/7b/"  # published under a path, not at the site's root


class AppTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="dd-site-")
        self.folder = self.root + PATH
        shutil.copytree(APP, self.folder)
        self.server = Server(self.root)
        self.url = "http://127.0.0.1:%d%s" % (self.server.port, PATH)
        self.profile = tempfile.mkdtemp(prefix="dd-chromium-")
        self.browser = Browser(profile=self.profile)
        self.d = self.browser.driver

    def tearDown(self):
        self.browser.close()
        self.server.stop()
        shutil.rmtree(self.root, ignore_errors=True)
        shutil.rmtree(self.profile, ignore_errors=True)

    def restart(self):
        """The browser closed and started again on the same profile."""
        self.browser.close()
        self.browser = Browser(profile=self.profile)
        self.d = self.browser.driver

    def open_controlled(self):
        """Opens the app, and again once its service worker is in charge."""
        self.browser.open(self.url)
        self.d.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1]())")
        self.browser.open(self.url)
        self.assertTrue(self.d.execute_script("return navigator.serviceWorker.controller !== null"))

    def compute(self):
        self.d.find_element(By.ID, "Command1(0)").click()
        return self.d.find_element(By.ID, "Text2(2)").get_property("value")

    def test_installable_with_its_manifest(self):
        self.browser.open(self.url)
        self.assertEqual(self.d.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                         ["installabilityErrors"], [])
        manifest = self.d.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual(manifest["url"], self.url + "manifest.webmanifest")
        self.assertEqual(manifest["errors"], [])
        data = json.loads(manifest["data"])
        self.assertEqual((data["name"], data["lang"], data["display"]),
                         ("Различни цифри", "bg", "standalone"))
        # Relative start and scope: the app is the folder it is published in.
        self.assertEqual((data["start_url"], data["scope"]), ("./", "./"))
        sizes = {(icon["sizes"], icon["purpose"]) for icon in data["icons"]}
        self.assertTrue({("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")} <= sizes)
        for icon in data["icons"]:
            self.assertTrue(os.path.getsize(os.path.join(APP, icon["src"])) > 0, icon["src"])
        self.assertEqual(self.browser.console(), [])
        self.assertEqual(self.compute(), "504")

    def test_it_refuses_injected_requests_and_is_served_with_its_policy(self):
        self.d.get_log("performance")
        self.open_controlled()
        # The second opening, from the service worker, with its policy sent
        # as a header too, which lets other sites show it in a frame.
        pages = [message["params"]["response"] for message in (
            json.loads(entry["message"])["message"] for entry in self.d.get_log("performance"))
            if message["method"] == "Network.responseReceived"
            and message["params"]["response"]["url"] == self.url]
        self.assertTrue(pages[-1]["fromServiceWorker"])
        policy = {name.lower(): value for name, value in pages[-1]["headers"].items()}
        self.assertIn("default-src 'none'", policy.get("content-security-policy", ""))
        self.assertNotIn("frame-ancestors", policy["content-security-policy"])
        # A site elsewhere hears nothing of what an injected script sends.
        elsewhere = Server(self.root)
        self.addCleanup(elsewhere.stop)
        result = self.d.execute_async_script(PROBE + """
            ddProbe(arguments[0]).then(arguments[arguments.length - 1]);""", elsewhere.url)
        self.assertEqual(elsewhere.asked, [])
        self.assertFalse(result["inlineRan"] or result["evalRan"], result)
        self.assertEqual(self.compute(), "504")

    def test_it_opens_and_computes_offline(self):
        self.open_controlled()
        self.server.stop()
        self.restart()
        self.d.execute_cdp_cmd("Network.enable", {})
        self.d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        self.d.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.browser.open(self.url)
        self.assertEqual(self.compute(), "504")

    def test_a_newly_published_version_takes_over_on_the_next_start(self):
        self.open_controlled()
        changed = os.path.join(self.root, "changed.html")
        with open(os.path.join(APP, "index.html"), encoding="utf-8") as source:
            page = source.read()
        page = page[:page.index('<link rel="manifest"')] + page[page.index("</head>"):]
        with open(changed, "w", encoding="utf-8") as target:
            target.write(page.replace("<head>", '<head>\n<meta name="dd-version" content="2">', 1))
        published = os.path.join(self.root, "published")
        subprocess.run(MAKE_APP + [changed, published], check=True)
        with open(os.path.join(published, "service-worker.js"), encoding="utf-8") as source:
            new = re.search(r"const VERSION = '(\w+)'", source.read()).group(1)
        version = "return document.querySelector('meta[name=dd-version]') !== null"

        def kept():
            return [name[-len(new):] for name in self.d.execute_async_script(
                "caches.keys().then(arguments[arguments.length - 1])")]

        # Opened while the new folder is half copied (its service worker
        # first): the old version goes on, and the new one is not taken up
        # with old files.
        shutil.copy(os.path.join(published, "service-worker.js"), self.folder)
        self.restart()
        self.browser.open(self.url)
        self.assertFalse(self.d.execute_script(version))
        self.d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(r => r.update().catch(() => {})
              .then(() => new Promise(settled => {
                const wait = () => r.installing ? setTimeout(wait, 50) : settled();
                wait();
              }))).then(done);""")
        self.assertNotIn(new, kept())
        # Copied whole: the next start still shows the version kept, and
        # takes up the new one behind it (its files kept, the old ones
        # dropped); the start after that shows it.
        shutil.copytree(published, self.folder, dirs_exist_ok=True)
        self.restart()
        self.browser.open(self.url)
        self.assertFalse(self.d.execute_script(version))
        WebDriverWait(self.d, 10).until(lambda d: kept() == [new])
        self.restart()
        self.browser.open(self.url)
        self.assertTrue(self.d.execute_script(version))
        self.assertEqual(self.compute(), "504")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + REST, verbosity=2)
