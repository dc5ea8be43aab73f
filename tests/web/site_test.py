#!/usr/bin/python3
"""The site that make site writes, made for an address on 127.0.0.1 under a
path and served there: every link inside it answers, every release file is
linked from the home page with its SHA-256, the QR code reads as the app's
address, the app installs from there with the address in its caption, no
page loads anything from elsewhere, axe-core finds nothing on any page, in a
light and a dark theme, and each reads on a 320 px phone; and a page of
another site that shows the app in a frame shows it on every visit, with its
service worker in control, in Chromium, WebKit and Firefox.

Usage: site_test.py SOURCE WORK AXE NODE FIREFOX [unittest arguments]
SOURCE is the project's folder, WORK a folder of the build's for the release
and the site, AXE axe-core's script, NODE and FIREFOX what runs
framed_firefox.mjs. WebKit needs a display (run it under xvfb-run).
"""
import hashlib
import html.parser
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.parse
import urllib.request

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from browser import Browser, Server

SOURCE, WORK, AXE, NODE, FIREFOX = sys.argv[1:6]
REST = sys.argv[6:]
PAGES = ["index.html", "za-uchitelya.html", "za-administratora.html"]
PATH = "/skola/7b/"  # published under a path, not at the site's root
with open(AXE, encoding="utf-8") as source:
    AXE_SCRIPT = source.read()


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def make_site(home):
    """make site's steps for `home`: the release made for it, then the site."""
    release, dist = os.path.join(WORK, "release"), os.path.join(WORK, "dist")
    os.makedirs(WORK, exist_ok=True)
    log = os.path.join(WORK, "release.log")
    with open(log, "w") as out:
        made = subprocess.run(["sh", os.path.join(SOURCE, "packaging/release.sh"), release, dist],
                              env=dict(os.environ, DD_HOME_URL=home), stdout=out,
                              stderr=subprocess.STDOUT)
    if made.returncode != 0:
        with open(log) as out:
            sys.exit("the release failed:\n" + out.read()[-3000:])
    site = os.path.join(dist, "site")
    subprocess.run([sys.executable, os.path.join(SOURCE, "packaging/site/make_site.py"), dist,
                    os.path.join(release, "web/design.json"), site], check=True)
    return site


class Links(html.parser.HTMLParser):
    """What a page links to and loads, its ids and its language."""

    def __init__(self):
        super().__init__()
        self.targets, self.ids, self.lang = [], set(), None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        if "id" in attrs:
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if name in attrs:
                self.targets.append(attrs[name])


def setUpModule():
    global SITE, SERVER, HOME, APP, ROOT
    port = free_port()
    HOME = "http://127.0.0.1:%d%s" % (port, PATH)
    APP = HOME + "app/"
    SITE = make_site(HOME)
    ROOT = tempfile.mkdtemp(prefix="dd-site-root-")
    shutil.copytree(SITE, ROOT + PATH)
    SERVER = Server(ROOT, port)


def tearDownModule():
    SERVER.stop()
    shutil.rmtree(ROOT, ignore_errors=True)


def fetch(url):
    with urllib.request.urlopen(url, timeout=10) as response:
        return response.read()


def parsed(name):
    links = Links()
    links.feed(fetch(HOME + name).decode("utf-8"))
    return links


class SiteTest(unittest.TestCase):
    def test_every_link_inside_the_site_answers(self):
        checked = set()
        for name in PAGES:
            links = parsed(name)
            self.assertEqual(links.lang, "bg", name)
            for target in links.targets:
                url = urllib.parse.urljoin(HOME + name, target)
                if not url.startswith(HOME):
                    continue
                address, _, fragment = url.partition("#")
                if fragment:
                    page = address[len(HOME):] or "index.html"
                    self.assertIn(fragment, parsed(page).ids, "%s links to %s" % (name, target))
                if address not in checked:
                    checked.add(address)
                    try:
                        fetch(address)
                    except urllib.error.HTTPError as error:
                        self.fail("%s links to %s: %s" % (name, target, error))
        self.assertIn(APP, checked)

    def test_every_release_file_is_linked_from_the_home_page_with_its_sum(self):
        home = fetch(HOME).decode("utf-8")
        links = Links()
        links.feed(home)
        self.assertIn("SHA256SUMS", links.targets)
        listed = fetch(HOME + "SHA256SUMS").decode("ascii").splitlines()
        self.assertGreaterEqual(len(listed), 9)
        for line in listed:
            digest, name = line.split()
            self.assertIn(name, links.targets)
            self.assertIn(digest, home, name)
            self.assertEqual(hashlib.sha256(fetch(HOME + name)).hexdigest(), digest, name)

    def test_the_qr_code_reads_as_the_apps_address(self):
        read = subprocess.run(["zbarimg", "--quiet", "--raw", os.path.join(SITE,
                                                                           "qr-prilozhenie.png")],
                              check=True, capture_output=True, text=True)
        self.assertEqual(read.stdout.strip(), APP)


class InChromium(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.d = self.browser.driver

    def tearDown(self):
        self.browser.close()

    def open(self, url):
        self.d.get(url)
        WebDriverWait(self.d, 10).until(
            lambda d: d.execute_script("return document.readyState") == "complete")

    def test_the_app_installs_from_the_site_with_the_address_in_its_caption(self):
        self.browser.open(APP)
        self.assertEqual(self.d.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                         ["installabilityErrors"], [])
        address = HOME.split("://", 1)[1].rstrip("/")
        self.assertEqual(self.d.title, address + " Информатика - числа от интервал")
        self.d.find_element(By.ID, "Command1(0)").click()
        self.assertEqual(self.d.find_element(By.ID, "Text2(2)").get_property("value"), "504")

    def test_no_page_loads_anything_from_elsewhere(self):
        self.browser.requests()
        for name in PAGES:
            self.open(HOME + name)
        self.browser.open(APP)
        # What goes over a network (not the browser's own chrome: pages).
        requests = [url for url in self.browser.requests() if url.split(":")[0] in
                    ("http", "https", "ws", "wss")]
        self.assertTrue(any(url.endswith("qr-prilozhenie.png") for url in requests))
        self.assertEqual([url for url in requests if not url.startswith(HOME)], [])
        self.assertEqual(self.browser.console(), [])

    def axe(self):
        return self.d.execute_async_script(AXE_SCRIPT + """
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag', values: [
                'wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']}})
              .then(r => done(r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])));""")

    def test_axe_finds_nothing_on_any_page_in_a_light_or_a_dark_theme(self):
        for scheme in ("light", "dark"):
            self.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": scheme}]})
            for name in PAGES:
                self.open(HOME + name)
                self.assertEqual(self.axe(), [], "%s, %s" % (name, scheme))

    def test_every_page_reads_on_a_320_px_phone_without_sideways_scrolling(self):
        self.browser.emulate(320, 640, touch=True)
        for name in PAGES:
            self.open(HOME + name)
            self.assertLessEqual(self.d.execute_script(
                "return document.documentElement.scrollWidth"), 320, name)


# A page of another site (localhost is another site than 127.0.0.1) that
# shows the app in a frame.
FRAME = """<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>A school's page</title></head>
<body><h1>A school's page</h1>
<iframe src="%s" title="Различни цифри" width="480" height="370"></iframe>
</body></html>
"""
# Whether the framed app's window is ready, and its service worker in control.
IN_FRAME = """
const done = arguments[arguments.length - 1];
const wait = () => document.documentElement.dataset.ready === 'true'
  ? navigator.serviceWorker.ready.then(() => done(
      {ready: true, controlled: navigator.serviceWorker.controller !== null}))
  : setTimeout(wait, 50);
wait();"""


class Framed(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="dd-school-")
        with open(os.path.join(self.folder, "frame.html"), "w", encoding="utf-8") as page:
            page.write(FRAME % APP)
        self.server = Server(self.folder)
        self.frame = "http://localhost:%d/frame.html" % self.server.port

    def tearDown(self):
        self.server.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    def three_visits(self, engine):
        browser = Browser(engine)
        try:
            seen = []
            for _ in range(3):
                browser.driver.get(self.frame)
                browser.driver.switch_to.frame(browser.driver.find_element(By.TAG_NAME, "iframe"))
                seen.append(browser.driver.execute_async_script(IN_FRAME))
                browser.driver.switch_to.default_content()
            return seen
        finally:
            browser.close()

    def check(self, seen):
        self.assertEqual([visit["ready"] for visit in seen], [True] * 3, seen)
        # From the second visit on, the service worker answers for the app.
        self.assertEqual([visit["controlled"] for visit in seen[1:]], [True] * 2, seen)

    def test_in_chromium(self):
        self.check(self.three_visits("chromium"))

    def test_in_webkit(self):
        self.check(self.three_visits("webkit"))

    def test_in_firefox(self):
        run = subprocess.run([NODE, os.path.join(os.path.dirname(__file__), "framed_firefox.mjs"),
                              self.frame, FIREFOX], capture_output=True, text=True, timeout=120)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        self.check(json.loads(run.stdout))


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + REST, verbosity=2)
