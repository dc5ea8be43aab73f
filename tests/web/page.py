"""What the web page's tests share: the page in a browser used as a user
does (keys, clicks, the clipboard), what it shows read back, the design as
the build writes it, and the window cases every window runs
(tests/window_cases.txt), one test each on SharedCasesTest.

The test's command line names the files: PAGE TEST_PAGE DESIGN_JSON WINDOW_CASES AXE,
the last axe-core's script.
"""
import json
import os
import re
import sys
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import CLIPBOARD, Browser

# The browser engine the tests drive: chromium, or webkit (DD_BROWSER).
ENGINE = os.environ.get("DD_BROWSER", "chromium")
# Steps an engine cannot take as a user does, and why: a case that comes to
# one is checked up to it, and the rest of it is skipped.
CANNOT = {"webkit": {
    "ctrl Z": "WebKitGTK driven by its WebDriver undoes nothing with Ctrl+Z, not even typing",
    "alt": "WebKitGTK driven by its WebDriver runs no access key",
}}.get(ENGINE, {})

PAGE, TEST_PAGE, DESIGN_JSON, CASES, AXE = sys.argv[1:6]
with open(AXE, encoding="utf-8") as source:
    AXE_SCRIPT = source.read()
with open(DESIGN_JSON, encoding="utf-8") as source:
    # The window as the model presents it: every control shown, in the
    # document's order.
    DESIGN = json.load(source)["design"]
WINDOW = DESIGN["window"]
ID = {control["role"]: control["id"] for control in DESIGN["controls"]}
START, END, COUNT = ID["StartBox"], ID["EndBox"], ID["CountBox"]
COMPUTE, RESULTS, TASK = ID["Compute"], ID["Results"], ID["TaskStatement"]
KEYS = {"Tab": Keys.TAB, "Return": Keys.RETURN, "KeypadEnter": Keys.ENTER, "Space": Keys.SPACE,
        "Home": Keys.HOME, "End": Keys.END, "Left": Keys.LEFT, "Right": Keys.RIGHT,
        "Up": Keys.UP, "Down": Keys.DOWN, "Backspace": Keys.BACKSPACE, "Delete": Keys.DELETE}


def unescape(text):
    return re.sub(r"\\(r|n|u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8})", lambda m: {"r": "\r", "n": "\n"}.get(
        m.group(1)) or chr(int(m.group(1)[1:], 16)), text)


def read_cases(path):
    """The shared scenarios: each name with its steps and their line numbers."""
    scenarios = {}
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source.read().split("\n"), 1):
            if line.startswith("scenario "):
                steps = scenarios.setdefault(line[len("scenario "):], [])
            elif line and not line.startswith("#"):
                steps.append((number, line))
    return scenarios


class PageTest(unittest.TestCase):
    page = PAGE

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(ENGINE)
        cls.d = cls.browser.driver

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.open(self.page)

    # What the user does.
    def keys(self, *keys):
        ActionChains(self.d).send_keys(*keys).perform()

    def ctrl(self, letter):
        ActionChains(self.d).key_down(Keys.CONTROL).send_keys(letter).key_up(Keys.CONTROL).perform()

    def menu_key(self):
        """The context-menu key, sent as the keyboard sends it: chromium-driver
        sends no key code that opens a menu."""
        key = {"key": "ContextMenu", "code": "ContextMenu", "windowsVirtualKeyCode": 93}
        for kind in ("rawKeyDown", "keyUp"):
            self.d.execute_cdp_cmd("Input.dispatchKeyEvent", dict(type=kind, **key))

    def shift(self, key):
        ActionChains(self.d).key_down(Keys.SHIFT).send_keys(key).key_up(Keys.SHIFT).perform()

    def focus(self, element):
        self.d.execute_script("document.getElementById(arguments[0]).focus()", element)

    def click(self, element):
        self.d.find_element(By.ID, element).click()

    def type_into(self, box, text):
        self.focus(box)
        self.ctrl("a")
        self.keys(Keys.DELETE, text)

    def set_clipboard(self, text):
        """Puts `text` on the clipboard by a real Ctrl+C (tests/web/clipboard.js)."""
        self.d.execute_script(CLIPBOARD + "ddClipboard.fill(arguments[0])", text)
        self.ctrl("c")
        self.d.execute_script("ddClipboard.done()")

    def clipboard_lines(self):
        """The clipboard's text, by a real Ctrl+V (tests/web/clipboard.js)."""
        self.d.execute_script(CLIPBOARD + "ddClipboard.take()")
        self.ctrl("v")
        return self.d.execute_script("return ddClipboard.done()").split("\n")

    # What the window shows.
    def value(self, box):
        return self.d.execute_script("return document.getElementById(arguments[0]).value", box)

    def focused(self):
        return self.d.execute_script("return document.activeElement.id")

    def items(self):
        """The result list's items (it draws only the rows in sight)."""
        return self.d.execute_script(
            "return document.getElementById(arguments[0]).ddList.items", RESULTS)

    def selected_count(self):
        return self.d.execute_script(
            "return document.getElementById(arguments[0]).ddList.selected"
            ".reduce((a, b) => a + b, 0)", RESULTS)

    def grab(self):
        """A screenshot of the page, as PNG in base64."""
        return self.d.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]

    def brightness(self, png, element):
        """Red + green + blue of every pixel of the element's rectangle in a
        screenshot, row by row: the page decodes the PNG itself."""
        return self.d.execute_async_script("""
            const [png, id, done] = arguments;
            const r = document.getElementById(id).getBoundingClientRect();
            const image = new Image();
            image.onload = () => {
              const canvas = document.createElement('canvas');
              canvas.width = image.width;
              canvas.height = image.height;
              const context = canvas.getContext('2d');
              context.drawImage(image, 0, 0);
              const data = context.getImageData(r.left, r.top, r.width, r.height).data;
              const rows = [];
              for (let y = 0; y < r.height; ++y) {
                const row = [];
                for (let x = 0; x < r.width; ++x) {
                  const at = 4 * (y * r.width + x);
                  row.push(data[at] + data[at + 1] + data[at + 2]);
                }
                rows.push(row);
              }
              done(rows);
            };
            image.src = 'data:image/png;base64,' + png;""", png, element)

    def accessibility_violations(self):
        """What axe-core finds against WCAG 2.2 A and AA and its best practices."""
        return self.d.execute_async_script(AXE_SCRIPT + """
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag', values: [
                'wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']}})
              .then(r => done(r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])));""")

    def heard(self):
        return self.d.execute_script(
            "return document.getElementById('dd-announcement').textContent").rstrip("\u00a0")

    def expect_cleared(self):
        for box in (START, END, COUNT):
            self.assertEqual(self.value(box), "", box)
        self.assertEqual(self.items(), [])

    def alt(self, letter):
        ActionChains(self.d).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

    def run_step(self, step):
        """One step of a shared case (tests/window_cases.txt says what each does)."""
        verb, _, rest = step.partition(" ")
        reason = CANNOT.get(step) or CANNOT.get(verb)
        if reason:
            self.skipTest(reason + ": the rest of the case")
        word, _, last = rest.partition(" ")
        if verb == "title":
            self.assertEqual(self.d.title, WINDOW["caption"])
        elif verb == "focus":
            self.focus(ID[rest])
        elif verb == "type":
            self.keys(unescape(rest))
        elif verb == "fill":
            self.type_into(ID[word], unescape(last))
        elif verb == "press":
            shift, key = word.startswith("shift+"), KEYS[word.removeprefix("shift+")]
            for _ in range(int(last or 1)):
                self.shift(key) if shift else self.keys(key)
        elif verb == "ctrl":
            self.ctrl(rest.lower())
        elif verb == "alt":
            self.alt(unescape(rest))
        elif verb == "clipboard":
            self.set_clipboard(unescape(rest))
        elif verb == "click":
            self.click(ID[rest])
        elif verb == "expect":
            self.assertEqual(self.value(ID[word]), unescape(last))
        elif verb in ("count", "copied"):
            count, *ends = rest.split(" ")
            items = self.items() if verb == "count" else self.clipboard_lines()
            if items == [""]:
                items = []
            self.assertEqual(len(items), int(count))
            self.assertEqual([items[0], items[-1]][:len(ends)] if ends else [], ends)
        elif verb == "cleared":
            self.expect_cleared()
        elif verb == "focused":
            self.assertEqual(self.focused(), ID[rest])
        elif verb == "caret":
            self.assertEqual(self.d.execute_script(
                "return document.getElementById(arguments[0]).selectionStart", ID[word]), int(last))
        elif verb == "selected":
            self.assertEqual(self.selected_count(), int(rest))
        elif verb == "heard":
            self.assertEqual(self.heard(), unescape(rest))
        elif verb == "silent":
            self.assertEqual(self.heard(), "")
        else:
            self.fail("no step " + verb)


class SharedCasesTest(PageTest):
    """The window cases every window runs, one test each."""


def add_shared_case(name, steps):
    def test(self):
        for number, step in steps:
            try:
                self.run_step(step)
            except AssertionError as error:
                raise AssertionError("window_cases.txt:%d: %s: %s" % (number, step, error)) from None
    setattr(SharedCasesTest, "test_" + name, test)


for name, steps in read_cases(CASES).items():
    add_shared_case(name, steps)
