#!/usr/bin/python3
"""The web page on phones and tablets, in headless Chromium's device
emulation with real touch events (the DevTools protocol's
Input.dispatchTouchEvent): it fits every screen, a finger can hit every box
and button, taps compute, a long press opens the result list's menu, and
turning the screen keeps the window. The window cases every window shares
run by touch on a phone too.

Usage: touch_test.py PAGE TEST_PAGE DESIGN_JSON WINDOW_CASES AXE [unittest arguments]
"""
import sys
import time
import unittest

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

import page as shared
from page import COMPUTE, COUNT, END, ID, RESULTS, START, TASK, WINDOW, PageTest

# Width, height, touch: upright phones, one on its side, tablets upright
# and across, and a desktop browser zoomed to 400 % (a mouse, 1280 x 1024 CSS
# pixels at 400 %).
SCREENS = {
    "phone_320": (320, 640, True),
    "phone_360": (360, 740, True),
    "phone_on_its_side": (740, 360, True),
    "tablet": (768, 1024, True),
    "tablet_on_its_side": (1024, 768, True),
    "desktop_at_400_percent": (320, 256, False),
}
FINGER = 44  # CSS pixels: the least a box or a button is high and wide by touch
# The whole numbers the result list shows at the least after a compute.
LEAST_ROWS = {"phone_320": 7, "phone_360": 7, "phone_on_its_side": 5, "tablet": 7,
              "tablet_on_its_side": 7}


class TouchTest(PageTest):
    """On the 360 px phone unless a test turns it."""
    screen = SCREENS["phone_360"]

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.browser.emulate(*cls.screen)

    def touch(self, kind, x=None, y=None):
        points = [] if x is None else [{"x": x, "y": y, "id": 1}]
        self.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def centre(self, element, row=None):
        """The centre of an element, or of a row of the result list, in the view."""
        return self.d.execute_script("""
            const [id, row] = arguments;
            const element = document.getElementById(id);
            element.scrollIntoView({block: 'nearest'});
            const r = element.getBoundingClientRect();
            if (row === null) return [r.left + r.width / 2, r.top + r.height / 2];
            const height = element.ddList.rowHeight();
            element.scrollTop = row * height;
            element.ddList.draw();
            return [r.left + r.width / 3, r.top + 1 + height / 2];""", element, row)

    def tap(self, element, row=None, hold=0.05):
        x, y = self.centre(element, row)
        self.touch("touchStart", x, y)
        time.sleep(hold)
        self.touch("touchEnd")

    def long_press(self, element, row=None):
        self.tap(element, row, hold=0.8)

    def drag(self, element, distance):
        x, y = self.centre(element)
        self.touch("touchStart", x, y)
        for step in range(1, 11):
            self.touch("touchMove", x, y - distance * step / 10)
        self.touch("touchEnd")

    def tap_menu_item(self, text):
        self.d.execute_script("""
            const item = Array.from(document.querySelectorAll('[role=menuitem]'))
              .find(e => e.firstChild.textContent === arguments[0]);
            item.id = 'dd-tapped-item';""", text)
        self.tap("dd-tapped-item")

    def run_step(self, step):
        # A click in the shared cases is a tap here. The column's boxes are
        # wider than the designed ones: a long text the program writes may
        # fit whole, and then keeps its caret at its end, as in every window.
        # Enter in the start box goes on to the end box on a touch screen
        # (ScreenTest checks that), where a keyboard's computes.
        verb, _, rest = step.partition(" ")
        if step == "press Return" and self.focused() == START:
            self.skipTest("on a touch screen Enter in the start box goes on to the end box")
        if verb == "click":
            self.tap(ID[rest])
        elif verb == "caret" and rest.endswith(" 0") and self.d.execute_script(
                "const e = document.getElementById(arguments[0]);"
                "return e.scrollWidth <= e.clientWidth", ID[rest.split(" ")[0]]):
            pass
        else:
            super().run_step(step)


class SharedCasesByTouchTest(TouchTest, shared.SharedCasesTest):
    """The window cases every window runs, their clicks tapped, on a phone."""


class ScreenTest(TouchTest):
    def controls(self):
        """Each shown control's id, tag and rectangle in the view, in the
        document's order."""
        return self.d.execute_script("""
            return Array.from(document.getElementById('dd-window').children, e => {
              const r = e.getBoundingClientRect();
              return [e.id, e.tagName, r.left, r.top, r.right, r.bottom,
                      e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight];
            });""")

    def test_every_screen_shows_the_whole_window_in_its_order(self):
        focus_order = [ID[role] for role in WINDOW["focusOrder"]]
        for name, (width, height, touch) in SCREENS.items():
            with self.subTest(screen=name):
                self.browser.emulate(width, height, touch)
                self.browser.open(self.page)
                self.assertEqual(self.accessibility_violations(), [], "at start-up")
                self.tap(COMPUTE) if touch else self.click(COMPUTE)
                self.assertEqual(self.value(COUNT), "504")
                self.assertEqual(self.accessibility_violations(), [], "after a compute")
                self.assertLessEqual(self.d.execute_script(
                    "return document.documentElement.scrollWidth"), width, "scrolls sideways")
                controls = self.controls()
                for id, tag, left, top, right, bottom, whole in controls:
                    self.assertTrue(0 <= left and right <= width, id)
                    self.assertTrue(whole or tag in ("TEXTAREA", "DIV"), id + " is cut")
                    if touch and tag in ("INPUT", "BUTTON"):
                        self.assertGreaterEqual(min(right - left, bottom - top), FINGER, id)
                for i, a in enumerate(controls):
                    for b in controls[i + 1:]:
                        self.assertFalse(a[2] < b[4] and b[2] < a[4] and a[3] < b[5] and b[3] < a[5],
                                         a[0] + " overlaps " + b[0])
                # Read left to right, top to bottom, the controls come in the
                # document's order, whose controls that take the focus come
                # in the focus order.
                read = sorted(controls, key=lambda c: (round(c[3]), c[2]))
                self.assertEqual([c[0] for c in read], [c[0] for c in controls])
                self.assertEqual([c[0] for c in controls if c[0] in focus_order], focus_order)
                if touch:
                    self.check_the_screen_is_used(name, width, height)
        self.browser.emulate(*self.screen)

    def check_the_screen_is_used(self, name, width, height):
        """The window takes the whole screen and nothing scrolls the page:
        the result list reaches down to the view's bottom and shows its
        numbers whole; the task statement shows whole where there is room."""
        self.assertLessEqual(self.d.execute_script(
            "return document.documentElement.scrollHeight"), height, "scrolls down")
        list_bottom, rows, task_whole = self.d.execute_script("""
            const list = document.getElementById(arguments[0]);
            const task = document.getElementById(arguments[1]);
            return [list.getBoundingClientRect().bottom,
                    Math.floor(list.clientHeight / list.ddList.rowHeight()),
                    task.scrollHeight <= task.clientHeight];""", RESULTS, TASK)
        lowest = max(control[5] for control in self.controls())
        self.assertGreaterEqual(lowest, height - 48, "the lowest control ends far above the bottom")
        self.assertGreaterEqual(list_bottom, height - 48, "the list ends far above the bottom")
        self.assertGreaterEqual(rows, LEAST_ROWS[name], "numbers shown whole")
        if name != "phone_320":
            self.assertTrue(task_whole, "the task statement is cut though there is room")

    def test_a_classrooms_touch_panel_shows_the_designed_window_filling_it(self):
        # A 1920 x 1080 panel: the window as designed, as large as the panel
        # takes, every box, button and row of the list a finger's size.
        self.browser.emulate(1920, 1080, True, density=1)
        try:
            self.browser.open(self.page)
            self.tap(COMPUTE)
            self.assertEqual(self.value(COUNT), "504")
            self.assertFalse(self.d.execute_script(
                "return document.documentElement.classList.contains('dd-flow')"))
            height = self.d.execute_script(
                "return document.getElementById('dd-window').getBoundingClientRect().height")
            self.assertGreaterEqual(height, 0.7 * 1080)
            for id, tag, left, top, right, bottom, whole in self.controls():
                if tag in ("INPUT", "BUTTON"):
                    self.assertGreaterEqual(min(right - left, bottom - top), FINGER, id)
            self.assertGreaterEqual(self.d.execute_script(
                "return document.getElementById(arguments[0]).ddList.rowHeight()", RESULTS), FINGER)
        finally:
            self.browser.emulate(*self.screen)

    def test_a_page_zoomed_far_on_a_phone_scrolls_rather_than_cuts(self):
        # A 360 px phone at 200 %: 180 CSS pixels, narrower than the column takes.
        self.browser.emulate(180, 370, True)
        try:
            self.browser.open(self.page)
            page_width = self.d.execute_script("return document.documentElement.scrollWidth")
            for id, tag, left, top, right, bottom, whole in self.controls():
                self.assertTrue(whole or tag in ("TEXTAREA", "DIV"), id + " is cut")
                self.assertLessEqual(right, page_width, id + " cannot be scrolled to")
        finally:
            self.browser.emulate(*self.screen)

    def test_the_number_boxes_bring_a_keyboard_of_digits_whose_enter_goes_on_then_computes(self):
        hints = self.d.execute_script("""
            return arguments[0].map(id => {
              const e = document.getElementById(id);
              return [e.inputMode, e.enterKeyHint];
            });""", [START, END, COUNT])
        self.assertEqual(hints, [["numeric", "next"], ["numeric", "go"], ["numeric", ""]])
        # The start box's Enter goes on to the end box, and computes nothing.
        self.tap(START)
        self.keys("2500", shared.KEYS["Return"])
        self.assertEqual(self.focused(), END)
        self.assertEqual([self.value(START), self.value(END), self.value(COUNT)], ["2500", "", ""])
        # The end box's computes and puts the keyboard away: no box keeps the focus.
        self.keys("3000", shared.KEYS["Return"])
        self.assertEqual([self.value(START), self.value(END)], ["2500", "3000"])
        self.assertEqual(self.value(COUNT), str(len(self.items())))
        self.assertNotEqual(self.value(COUNT), "0")
        self.assertEqual(self.d.execute_script("return document.activeElement.tagName"), "BODY")
        # The count box's Enter does nothing.
        count = self.value(COUNT)
        self.tap(COUNT)
        self.keys(shared.KEYS["End"], shared.KEYS["Backspace"], shared.KEYS["Return"])
        self.assertEqual((self.focused(), self.value(COUNT)), (COUNT, count[:-1]))

    def test_the_task_statement_and_the_result_list_scroll_by_a_finger(self):
        # On the narrowest phone the task statement does not show whole.
        self.browser.emulate(*SCREENS["phone_320"])
        try:
            self.browser.open(self.page)
            self.tap(COMPUTE)
            for element in (TASK, RESULTS):
                self.drag(element, 120)
                self.assertGreater(self.d.execute_script(
                    "return document.getElementById(arguments[0]).scrollTop", element), 0,
                    element)
            self.assertEqual(self.selected_count(), 0, "a drag selected a row")
        finally:
            self.browser.emulate(*self.screen)

    def test_a_tap_selects_a_number_and_a_long_press_opens_the_menu_to_copy(self):
        self.tap(COMPUTE)
        items = self.items()
        self.tap(RESULTS, 3)
        self.assertEqual(self.selected_count(), 1)
        self.assertEqual(self.focused(), RESULTS)
        self.long_press(RESULTS, 7)
        self.assertEqual(self.menu_texts(), ["Копиране", "Избиране на всичко"])
        self.tap_menu_item("Копиране")
        self.assertIsNone(self.menu_texts())
        self.assertEqual(self.clipboard_lines(), [items[7]])
        self.long_press(RESULTS, 2)
        self.tap_menu_item("Избиране на всичко")
        self.assertEqual(self.selected_count(), len(items))
        self.long_press(RESULTS, 5)  # on a selected row: the selection stays
        self.tap_menu_item("Копиране")
        self.assertEqual(self.clipboard_lines(), items)

    def menu_texts(self):
        return self.d.execute_script("""
            const menu = document.querySelector('[role=menu]');
            return menu && Array.from(menu.children, item => item.firstChild.textContent);""")

    def test_turning_the_screen_keeps_the_window(self):
        self.tap(START)
        self.keys("3000")
        self.tap(COMPUTE)
        self.tap(RESULTS, 4)
        self.tap(END)
        self.keys(shared.KEYS["Backspace"])

        def window():
            return [self.value(START), self.value(END), self.value(COUNT), self.items(),
                    self.selected_count(), self.focused()]

        before = window()
        self.assertEqual(before[4:], [1, END])
        for width, height, touch in (SCREENS["phone_on_its_side"], self.screen):
            self.browser.emulate(width, height, touch)
            self.assertEqual(window(), before)
            self.assertLessEqual(self.d.execute_script(
                "return document.documentElement.scrollWidth"), width)

    def test_the_on_screen_keyboard_leaves_the_box_in_sight(self):
        self.tap(COUNT)
        # The keyboard takes the lower half of the screen.
        width, height, touch = self.screen
        self.browser.emulate(width, height // 2, touch)
        bottom = "return document.getElementById(arguments[0]).getBoundingClientRect().bottom"
        try:
            # The page hears of the smaller view by a resize event, which the
            # browser sends with its next frame.
            try:
                WebDriverWait(self.d, 5).until(
                    lambda d: d.execute_script(bottom, COUNT) <= height // 2)
            except TimeoutException:
                pass
            self.assertLessEqual(self.d.execute_script(bottom, COUNT), height // 2)
            self.assertEqual(self.focused(), COUNT)
        finally:
            self.browser.emulate(*self.screen)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[6:], verbosity=2)
