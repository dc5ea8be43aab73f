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
from selenium.webdriver.support.wait import WebDriverWait

from browser import CLIPBOARD, Browser

# The browser engine the tests drive: chromium, or webkit (DD_BROWSER).
ENGINE = os.environ.get("DD_BROWSER", "chromium")
# Steps an engine cannot take as a user does, and why: a case that comes to
# one is checked up to it, and the rest of it is skipped.
CANNOT = {"webkit": {
    "ctrl Z": "WebKitGTK driven by its WebDriver undoes nothing with Ctrl+Z, not even typing",
    "alt": "WebKitGTK driven by its WebDriver runs no access key",
    "menu": "WebKitGTK's WebDriver sends no key that opens a context menu",
    # Seen with WebKitGTK 2.50, as Safari 26.0 was reported to: the page
    # stays usable, but the program cannot report the failure.
    "fail": "WebKitGTK's WebAssembly lets a C++ exception thrown past a call through"
            " a function pointer escape its handler",
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
WIDGET = {control["role"]: control["widget"] for control in DESIGN["controls"]}
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
        """A screenshot of the view, as PNG in base64, once the last change
        is drawn: WebKit's driver otherwise takes the frame before it."""
        self.d.execute_async_script("""
            const done = arguments[0];
            requestAnimationFrame(() => requestAnimationFrame(() => done()));""")
        return self.d.get_screenshot_as_base64()

    def brightness(self, png, element, around=0):
        """Red + green + blue of every pixel of the element's rectangle, and
        `around` pixels about it, in a screenshot, row by row, in CSS pixels:
        the page decodes the PNG itself."""
        return self.d.execute_async_script("""
            const [png, id, around, done] = arguments;
            const box = document.getElementById(id).getBoundingClientRect();
            const r = {left: box.left - around, top: box.top - around,
                       width: box.width + 2 * around, height: box.height + 2 * around};
            const image = new Image();
            image.onload = () => {
              const canvas = document.createElement('canvas');
              canvas.width = window.innerWidth;
              canvas.height = window.innerHeight;
              const context = canvas.getContext('2d');
              context.drawImage(image, 0, 0, canvas.width, canvas.height);
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
            image.src = 'data:image/png;base64,' + png;""", png, element, around)

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

    def select_rows(self, rows):
        """Clicks the first row, then the others with Ctrl held, each
        scrolled into sight first."""
        for n, row in enumerate(rows):
            self.d.execute_script("""
                const list = document.getElementById(arguments[0]);
                list.scrollTop = arguments[1] * list.ddList.rowHeight();
                list.ddList.draw();""", RESULTS, row)
            option = self.d.find_element(By.ID, "%s-%d" % (RESULTS, row))
            chain = ActionChains(self.d)
            if n:
                chain.key_down(Keys.CONTROL).click(option).key_up(Keys.CONTROL)
            else:
                chain.click(option)
            chain.perform()

    def menu(self):
        """The open menu's items: text, enabled, focused; None when none is open."""
        return self.d.execute_script("""
            const menu = document.querySelector('[role=menu]');
            return menu && Array.from(menu.children, item => [
              item.firstChild.textContent,
              item.getAttribute('aria-disabled') !== 'true', item === document.activeElement]);""")

    def offered(self):
        """The result list's menu as the menu key opens it, then closed by Escape."""
        self.menu_key()
        items = self.menu()
        self.assertIsNotNone(items, "no menu")
        self.assertTrue(items[0][2], "the first item has no focus")
        self.keys(Keys.ESCAPE)
        self.assertIsNone(self.menu())
        self.assertEqual(self.focused(), RESULTS)
        return [[text, enabled] for text, enabled, _ in items]

    def report_of(self, button):
        """The error report a click on the button opens, as title and text,
        answered by Enter; its OK button had the focus, and the button has it
        again."""
        self.click(button)
        report = self.d.execute_script("""
            const dialog = document.querySelector('dialog[open]');
            return dialog && [dialog.querySelector('h2').textContent,
                              dialog.querySelector('p').textContent,
                              document.activeElement.textContent];""")
        self.assertIsNotNone(report, "no report")
        title, text, focused = report
        self.assertEqual(focused, DESIGN["texts"]["dismiss"])
        self.keys(Keys.RETURN)
        # Closed at once; removed, with the focus given back, by its close
        # event, which the browser queues after the key.
        self.assertIsNone(self.d.execute_script("return document.querySelector('dialog[open]')"))
        WebDriverWait(self.d, 5).until(
            lambda d: d.execute_script("return document.querySelector('dialog') === null"))
        self.assertEqual(self.focused(), button)
        return title, text

    def fail_on(self, names, calls_before):
        """Arms the test page's fault injector (tests/web/test_page.cpp)."""
        self.assertEqual(self.d.execute_script("""
            const [names, calls] = arguments;
            const at = Module._dd_exchange(names.length) >> 1;
            for (let i = 0; i < names.length; ++i) Module.HEAPU16[at + i] = names.charCodeAt(i);
            return Module._dd_test_fail_on(names.length, calls);""", names, calls_before), 1, names)

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
        elif verb == "select":
            self.select_rows([int(row) for row in rest.split(" ")])
        elif verb == "current":
            self.assertEqual(self.d.execute_script(
                "return document.getElementById(arguments[0]).ddList.active", RESULTS), int(rest))
        elif verb == "lines":
            self.assertEqual(self.clipboard_lines(), [unescape(line) for line in rest.split(" ")])
        elif verb == "menu":
            expected = [[unescape(item.rpartition(" ")[0]), item.endswith(" on")]
                        for item in rest.split(" | ")]
            self.assertEqual(self.offered(), expected)
        elif verb == "named":
            # A caption is no control of its own: a screen reader reads its
            # text, and the box it names by it.
            element = self.d.find_element(By.ID, ID[word])
            caption = WIDGET[word] == "caption"
            self.assertEqual(element.text if caption else element.accessible_name, unescape(last))
        elif verb == "shows-focus":
            # WebKit draws its focus ring about the control, not on it.
            self.assertEqual(self.focused(), ID[rest])
            focused = self.brightness(self.grab(), ID[rest], 4)
            order = WINDOW["focusOrder"]
            self.focus(ID[order[-1] if order[0] == rest else order[0]])
            unfocused = self.brightness(self.grab(), ID[rest], 4)
            self.focus(ID[rest])
            self.assertTrue(focused != unfocused, "no focus shown")
        elif verb == "fail":
            self.fail_on(word + " " + last.rpartition(" ")[0], int(last.rpartition(" ")[2]))
        elif verb == "disarm":
            self.d.execute_script("Module._dd_test_disarm()")
        elif verb == "reported":
            title, _, text = last.partition(" | ")
            self.assertEqual(self.report_of(ID[word]), (unescape(title), unescape(text)))
        else:
            self.fail("no step " + verb)


class SharedCasesTest(PageTest):
    """The window cases every window runs, one test each."""


def add_shared_case(name, steps):
    def test(self):
        if any(step.startswith("fail ") for _, step in steps):
            self.browser.open(TEST_PAGE)
        for number, step in steps:
            try:
                self.run_step(step)
            except AssertionError as error:
                raise AssertionError("window_cases.txt:%d: %s: %s" % (number, step, error)) from None
    setattr(SharedCasesTest, "test_" + name, test)


for name, steps in read_cases(CASES).items():
    add_shared_case(name, steps)
