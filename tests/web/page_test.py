#!/usr/bin/python3
"""The web page in headless Chromium, opened from disk and used with real
keys and clicks: the window cases every window shares, and where the page
stands, what it loads and what it says.

Usage: page_test.py PAGE TEST_PAGE DESIGN_JSON WINDOW_CASES AXE [unittest arguments]
TEST_PAGE is the same page with a fault injector (tests/web/test_page.cpp);
DESIGN_JSON the design table as the build writes it; WINDOW_CASES the shared
cases (tests/window_cases.txt); AXE axe-core's script.
"""
import os
import re
import shutil
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

from browser import PROBE, Server
from page import (COMPUTE, COUNT, DESIGN, END, ID, RESULTS, START, TASK, WINDOW, PageTest,
                  SharedCasesTest)


class WindowTest(PageTest):
    def test_the_task_statement_is_in_bulgarian_scrolls_and_cannot_be_edited(self):
        self.assertEqual(self.d.execute_script("return document.documentElement.lang"), "bg")
        self.assertTrue(self.value(TASK).startswith("Да се реализира проект"))
        self.assertEqual(self.value(TASK).count("\n"), 5)
        # Read-only as screen readers are told, with a caret that the arrow
        # keys move line by line, as they read it (in a read-only text area
        # Chromium moves none).
        self.assertTrue(self.d.execute_script(
            "const t = document.getElementById(arguments[0]);"
            "return t.getAttribute('aria-readonly') === 'true' && t.scrollHeight > t.clientHeight",
            TASK))
        before = self.value(TASK)
        self.focus(TASK)
        caret = "return document.getElementById(arguments[0]).selectionStart"
        self.keys(Keys.DOWN)
        self.assertGreater(self.d.execute_script(caret, TASK), 0)
        self.set_clipboard("12")
        self.keys("abc", Keys.DELETE, Keys.BACKSPACE, Keys.RETURN)
        self.ctrl("v")
        self.shift(Keys.DOWN)
        self.ctrl("x")
        self.assertEqual(self.value(TASK), before)

    def test_the_result_list_moves_and_selects_like_a_desktop_list(self):
        self.type_into(START, "1000")
        self.type_into(END, "9000")
        self.click(COMPUTE)
        items = self.items()
        self.focus(RESULTS)

        def state():
            """The active row as a screen reader finds it, and the selected rows."""
            return self.d.execute_script("""
                const list = document.getElementById(arguments[0]);
                const active = document.getElementById(list.getAttribute('aria-activedescendant'));
                const selected = [];
                list.ddList.selected.forEach((s, i) => s && selected.push(i));
                return [active.textContent, active.getAttribute('aria-setsize'),
                        active.getAttribute('aria-selected'), selected];""", RESULTS)

        self.keys(Keys.END)
        self.assertEqual(state(), ["8976", "4032", "true", [4031]])
        self.keys("5", "6")  # to the first item from 56
        at = next(i for i, item in enumerate(items) if item.startswith("56"))
        self.assertEqual(state(), [items[at], "4032", "true", [at]])
        self.keys(Keys.PAGE_DOWN)  # a page is the rows in sight less one
        at += 6
        self.shift(Keys.UP)
        self.assertEqual(state(), [items[at - 1], "4032", "true", [at - 1, at]])
        ActionChains(self.d).key_down(Keys.CONTROL).send_keys(Keys.UP, Keys.SPACE) \
            .key_up(Keys.CONTROL).perform()
        self.assertEqual(state(), [items[at - 2], "4032", "true", [at - 2, at - 1, at]])

    def test_the_result_lists_menu_opens_by_the_mouse_and_runs_by_its_keys(self):
        # What the menu offers when is a window case; here, how it is used.
        self.focus(RESULTS)
        ActionChains(self.d).context_click(self.d.find_element(By.ID, RESULTS)).perform()
        self.assertEqual(self.menu(), [["Копиране", False, True],
                                       ["Избиране на всичко", False, False]])
        self.keys(Keys.ESCAPE)
        self.assertIsNone(self.menu())
        self.click(COMPUTE)
        self.focus(RESULTS)
        self.keys(Keys.HOME)
        self.menu_key()
        self.keys("в")
        self.assertIsNone(self.menu())
        self.assertEqual(self.selected_count(), 504)
        self.assertEqual(self.focused(), RESULTS)
        self.menu_key()
        self.keys(Keys.RETURN)
        self.assertEqual(len(self.clipboard_lines()), 504)

    def test_every_access_key_is_on_its_element(self):
        self.assertEqual(self.d.execute_script(
            "return Array.from(document.querySelectorAll('[accesskey]'), e => e.accessKey)"),
            ["\u0441", "т", "н", "к", "б"])

    def test_captions_stand_on_the_baseline_of_their_boxes_text(self):
        self.type_into(START, "1000")
        self.type_into(END, "2000")
        self.type_into(COUNT, "504")
        self.focus(TASK)
        png = self.grab()
        dark = 3 * 100
        for caption, box in ((ID["StartCaption"], START), (ID["EndCaption"], END),
                             (ID["CountCaption"], COUNT)):
            # Every caption ends in a colon, whose lower dot sits on the
            # baseline; digits have no descenders.
            rows = self.brightness(png, caption)
            colon = max(x for row in rows for x, b in enumerate(row) if b < dark)
            caption_base = max(y for y, row in enumerate(rows)
                               if any(b < dark for b in row[colon - 2:]))
            rows = self.brightness(png, box)
            box_base = max(y for y, row in enumerate(rows[3:-3], 3)
                           if any(b < dark for b in row[3:-3]))
            self.assertEqual(caption_base, box_base, caption)

    def test_what_the_window_tells_a_screen_reader_is_said_politely(self):
        live = self.d.find_element(By.ID, "dd-announcement")
        self.assertEqual(live.get_attribute("role"), "status")
        self.assertEqual(live.get_attribute("aria-live"), "polite")

    def test_axe_finds_no_accessibility_fault_at_start_up_or_after_a_compute(self):
        self.assertEqual(self.accessibility_violations(), [])
        self.click(COMPUTE)
        self.assertEqual(self.accessibility_violations(), [])

    def test_every_control_with_an_access_key_tells_a_screen_reader_of_it(self):
        shortcuts = self.d.execute_script("""
            return Array.from(document.querySelectorAll('[aria-keyshortcuts]'),
                              e => [e.id, e.getAttribute('aria-keyshortcuts')]);""")
        self.assertEqual(len(shortcuts), 5)
        # The keys told do what they say: compute, clear, or the focus to the box.
        for id, shortcut in shortcuts:
            self.focus(TASK)
            self.alt(shortcut.removeprefix("Alt+"))
            if id == COMPUTE:
                self.assertEqual(self.value(COUNT), "504", shortcut)
            elif id == ID["Clear"]:
                self.assertEqual(self.value(COUNT), "", shortcut)
            else:
                self.assertEqual(self.focused(), id, shortcut)

    def test_the_empty_result_list_says_that_it_is_empty(self):
        description = """
            const list = document.getElementById(arguments[0]);
            const by = list.getAttribute('aria-describedby');
            return by && document.getElementById(by).textContent;"""
        self.assertEqual(self.d.execute_script(description, RESULTS), "Списъкът е празен.")
        self.click(COMPUTE)
        self.assertIsNone(self.d.execute_script(description, RESULTS))
        self.click(ID["Clear"])
        self.assertEqual(self.d.execute_script(description, RESULTS), "Списъкът е празен.")

    def test_nothing_is_fetched(self):
        self.browser.requests()
        self.browser.open(self.page)
        self.click(COMPUTE)
        self.focus(RESULTS)
        self.ctrl("a")
        self.ctrl("c")
        self.menu_key()
        self.keys(Keys.ESCAPE)
        requests = self.browser.requests()
        self.assertIn(self.d.current_url, requests)
        self.assertEqual([r for r in requests if not r.startswith(("file:", "data:"))], [])
        self.assertEqual(self.browser.console(), [], "warnings or errors in the console")

    def test_a_web_server_is_asked_for_the_page_alone(self):
        # The server sees what the browser asks for itself, such as an icon.
        server = Server(os.path.dirname(os.path.abspath(self.page)))
        try:
            self.browser.open(server.url + os.path.basename(self.page))
            self.click(COMPUTE)
            self.assertEqual(self.value(COUNT), "504")
        finally:
            server.stop()
        self.assertEqual(server.asked, ["/" + os.path.basename(self.page)])


class PolicyTest(PageTest):
    """The page's own policy refuses whatever would load or send something,
    from a script someone injects or from an edited copy."""

    def setUp(self):
        # Another site, with nothing to serve, that counts what it is sent.
        folder = tempfile.mkdtemp(prefix="dd-elsewhere-")
        self.addCleanup(shutil.rmtree, folder)
        self.server = Server(folder)
        self.addCleanup(self.server.stop)

    def probe(self, page):
        self.browser.open(page)
        return self.d.execute_async_script(PROBE + """
            ddProbe(arguments[0]).then(arguments[arguments.length - 1]);""", self.server.url)

    def copy(self, edit):
        """A copy of the page, changed by `edit`."""
        folder = tempfile.mkdtemp(prefix="dd-copy-")
        self.addCleanup(shutil.rmtree, folder)
        with open(self.page, encoding="utf-8") as source:
            page = edit(source.read())
        with open(os.path.join(folder, "copy.html"), "w", encoding="utf-8") as target:
            target.write(page)
        return target.name

    def test_a_request_injected_into_the_page_is_refused(self):
        result = self.probe(self.page)
        self.assertEqual(self.server.asked, [], "requests that reached the server")
        self.assertFalse(result["inlineRan"], "an injected inline script ran")
        self.assertFalse(result["evalRan"], "eval ran")
        self.assertIn("connect-src", result["refused"])
        self.assertIn("form-action", result["refused"])

    def test_without_its_policy_the_same_requests_arrive(self):
        # The probe and the server catch what they are meant to: in a copy
        # without the policy, what the probe sends reaches the server.
        result = self.probe(self.copy(lambda page: re.sub(
            r'<meta http-equiv="Content-Security-Policy"[^>]*>', "", page)))
        self.assertTrue({"/fetch", "/image", "/script", "/style"} <= set(self.server.asked),
                        self.server.asked)
        self.assertTrue(result["inlineRan"])
        self.assertTrue(result["evalRan"])
        self.assertEqual(result["refused"], [])

    def test_an_edited_copy_loads_nothing(self):
        page = self.copy(lambda page: page.replace("<body>", (
            '<body><img src="{0}image"><script src="{0}script"></script>'
            '<link rel="stylesheet" href="{0}style"><iframe src="{0}frame"></iframe>'
            "<script>document.documentElement.dataset.edited = 'ran'</script>").format(
                self.server.url), 1))
        self.browser.open(page)
        self.click(COMPUTE)
        self.assertEqual(self.value(COUNT), "504")
        self.assertEqual(self.server.asked, [], "requests that reached the server")
        self.assertIsNone(self.d.execute_script("return document.documentElement.dataset.edited"))


class DesignTest(PageTest):
    def rect(self, element):
        return self.d.execute_script("""
            const w = document.getElementById('dd-window').getBoundingClientRect();
            const r = document.getElementById(arguments[0]).getBoundingClientRect();
            return [r.left - w.left, r.top - w.top, r.width, r.height];""", element)

    def style(self, element, property):
        return self.d.execute_script(
            "return getComputedStyle(document.getElementById(arguments[0]))[arguments[1]]",
            element, property)

    def test_every_control_stands_at_its_designed_rectangle_in_its_colours(self):
        rgb = "rgb(%d, %d, %d)"
        # Every control but the digit list, in the document's order.
        self.assertEqual(len(DESIGN["controls"]), 11)
        self.assertNotIn("List1(1)", ID.values())
        self.assertEqual(self.rect("dd-window")[2:], WINDOW["client"])
        self.assertEqual(self.style("dd-window", "backgroundColor"), rgb % tuple(WINDOW["background"]))
        shown = self.d.execute_script(
            "return Array.from(document.getElementById('dd-window').children, e => e.id)")
        controls = DESIGN["controls"]
        self.assertEqual(shown, [c["id"] for c in controls])
        for control in controls:
            with self.subTest(control=control["id"]):
                self.assertEqual(self.rect(control["id"]), control["rect"])
                self.assertTrue(self.style(control["id"], "fontFamily").startswith('"Times New Roman"'))
                self.assertEqual(self.style(control["id"], "fontSize"), "16px")  # 12 points
                if control.get("background"):
                    self.assertEqual(self.style(control["id"], "backgroundColor"),
                                     rgb % tuple(control["background"]))
                    self.assertEqual(self.style(control["id"], "color"),
                                     rgb % tuple(control["textColour"]))

    def test_a_view_twice_the_design_shows_the_window_as_large_as_it_takes(self):
        """A projector's view, or a browser in full screen: the designed window
        grows, in proportion, to fill the view's binding side without
        scrolling, and a real click, a row picked and the list's menu land
        where they are seen. Below twice the design, the designed size."""
        width, height = WINDOW["client"]
        try:
            for view in ((1920, 1080), (2560, 1440), (800, 600)):
                with self.subTest(view=view):
                    self.browser.emulate(*view, False, density=1)
                    self.browser.open(self.page)
                    shown = self.d.execute_script("""
                        const r = document.getElementById('dd-window').getBoundingClientRect();
                        return [r.left, r.top, r.width, r.height,
                                document.documentElement.scrollWidth,
                                document.documentElement.scrollHeight];""")
                    self.assertLessEqual(shown[4:], list(view), "the page scrolls")
                    scale = shown[2] / width
                    if view[0] < 2 * width or view[1] < 2 * height:
                        self.assertEqual(shown[:4], [8, 8, width, height])
                    else:
                        self.assertGreaterEqual(max(shown[2] / view[0], shown[3] / view[1]), 0.7)
                        self.assertAlmostEqual(shown[3] / height, scale, delta=0.01)
                    for control in DESIGN["controls"]:
                        rect = self.rect(control["id"])
                        for got, designed in zip(rect, control["rect"]):
                            self.assertAlmostEqual(got, designed * scale, delta=1,
                                                   msg=control["id"])
                    ActionChains(self.d).move_to_element(
                        self.d.find_element(By.ID, COMPUTE)).click().perform()
                    self.assertEqual(self.value(COUNT), "504")
                    # The fourth row, picked and then opened a menu on where it is seen.
                    list_rect, row = self.d.execute_script("""
                        const list = document.getElementById(arguments[0]);
                        return [list.getBoundingClientRect().toJSON(), list.ddList.rowHeight()];""",
                                                           RESULTS)
                    x = list_rect["width"] / 3 - list_rect["width"] / 2
                    y = 3.5 * row + 1 - list_rect["height"] / 2
                    results = self.d.find_element(By.ID, RESULTS)
                    ActionChains(self.d).move_to_element_with_offset(results, x, y).click().perform()
                    self.assertEqual(self.d.execute_script(
                        "return document.getElementById(arguments[0]).ddList.active", RESULTS), 3)
                    ActionChains(self.d).move_to_element_with_offset(
                        results, x, y).context_click().perform()
                    menu = self.d.execute_script(
                        "return document.querySelector('[role=menu]').getBoundingClientRect().toJSON()")
                    self.assertAlmostEqual(menu["left"], list_rect["left"] + list_rect["width"] / 3,
                                           delta=2)
                    self.assertAlmostEqual(menu["top"], list_rect["top"] + 3.5 * row + 1, delta=2)
                    self.keys(Keys.ESCAPE)
            # The browser's own zoom still makes the window larger or smaller:
            # at 150 % and 80 % of 1920 x 1080 (the view in CSS pixels
            # smaller or larger, each CSS pixel more or fewer device pixels)
            # it keeps its size in CSS pixels, as any page does.
            self.browser.emulate(1920, 1080, False, density=1)
            self.browser.open(self.page)
            filled = self.d.execute_script(
                "return document.getElementById('dd-window').getBoundingClientRect().width")
            for zoom in (1.5, 0.8):
                self.browser.emulate(round(1920 / zoom), round(1080 / zoom), False, density=zoom)
                WebDriverWait(self.d, 5).until(lambda d: abs(d.execute_script(
                    "return devicePixelRatio") - zoom) < 0.01)
                self.assertAlmostEqual(self.d.execute_script(
                    "return document.getElementById('dd-window').getBoundingClientRect().width"),
                    filled, delta=2, msg="at %d %%" % (zoom * 100))
        finally:
            self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            self.browser.open(self.page)

    def test_the_colours_stay_in_a_dark_theme(self):
        self.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        self.browser.open(self.page)
        for element in (TASK, START, RESULTS):
            self.assertEqual(self.style(element, "backgroundColor"), "rgb(255, 255, 255)")
            self.assertEqual(self.style(element, "color"), "rgb(0, 0, 0)")
        self.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    def test_the_embedded_font_has_every_character_the_window_shows(self):
        # Measured in the embedded face with two different fallbacks: the
        # widths agree only where the embedded face draws every character.
        self.assertTrue(self.d.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const texts = Array.from(document.querySelectorAll('#dd-window > *'),
                                     e => e.value || e.textContent).join('') + '0123456789';
            document.fonts.load('16px "Embedded Serif"', texts).then((faces) => {
              const canvas = document.createElement('canvas').getContext('2d');
              const width = (fallback) => {
                canvas.font = '16px "Embedded Serif", ' + fallback;
                return canvas.measureText(texts).width;
              };
              done(faces.length === 1 && width('monospace') === width('sans-serif'));
            });"""))


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[6:], verbosity=2)
