#!/usr/bin/python3
"""The web page in headless Chromium, opened from disk and used with real
keys and clicks: the window as a user meets it, as the desktop windows'
scenarios have it, and where it stands, what it loads and what it says.

Usage: page_test.py PAGE TEST_PAGE FORM_DESIGN_H [unittest arguments]
TEST_PAGE is the same page with a fault injector (tests/web/test_page.cpp);
FORM_DESIGN_H is the design table the rectangles and colours are read from.
"""
import functools
import http.server
import os
import re
import sys
import threading
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import Browser

PAGE, TEST_PAGE, DESIGN = sys.argv[1:4]

START, END, COUNT = "Text2(0)", "Text2(1)", "Text2(2)"
COMPUTE, CLEAR = "Command1(0)", "Command1(1)"
RESULTS, TASK = "List1(0)", "Text1(0)"
FOCUS_ORDER = [TASK, RESULTS, COMPUTE, CLEAR, START, END, COUNT]
CAPTION = "www.example.org Информатика - числа от интервал"


def read_design(path):
    """The design table's rows and colours, read from the header itself."""
    with open(path, encoding="utf-8") as source:
        header = source.read()
    colours = {name: tuple(int(c) for c in rgb) for name, *rgb in re.findall(
        r"inline constexpr Rgb (k\w+)\{(\d+), (\d+), (\d+)\}", header)}
    size = {name: int(value) for name, value in re.findall(
        r"inline constexpr int (kClient\w+) = (\d+);", header)}
    rows = []
    for row in re.finditer(
            r'\{R::\w+,\s*"(\w+)",\s*(\d+),\s*K::(\w+),\s*(-?\d+),\s*(-?\d+),\s*(\d+),\s*(\d+),'
            r'.*?,\s*(&k\w+|nullptr),\s*(true|false),\s*(true|false),', header):
        array, index, kind, left, top, width, height, background, _, hidden = row.groups()
        rows.append({
            "id": "%s(%s)" % (array, index), "kind": kind,
            "rect": [int(v) // 15 for v in (left, top, width, height)],
            "background": colours.get(background.lstrip("&")), "hidden": hidden == "true",
        })
    return rows, colours, size


class PageTest(unittest.TestCase):
    page = PAGE

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser()
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
        """Puts `text` on the clipboard by a real Ctrl+C in a field of the
        test's own, then gives the focus back."""
        self.d.execute_script("""
            const text = arguments[0];
            window.ddKept = document.activeElement;
            const source = window.ddSource = document.createElement('input');
            source.value = 'x';
            document.body.append(source);
            source.select();
            window.addEventListener('copy', (event) => {
              event.clipboardData.setData('text/plain', text);
              event.preventDefault();
              event.stopImmediatePropagation();
            }, {capture: true, once: true});""", text)
        self.ctrl("c")
        self.d.execute_script("window.ddSource.remove(); window.ddKept.focus();")

    def clipboard_lines(self):
        """The clipboard's text, by a real Ctrl+V into a field of the test's own."""
        self.d.execute_script("""
            window.ddKept = document.activeElement;
            const target = window.ddTarget = document.createElement('textarea');
            document.body.append(target);
            target.focus();""")
        self.ctrl("v")
        text = self.d.execute_script("""
            const text = window.ddTarget.value;
            window.ddTarget.remove();
            window.ddKept.focus();
            return text;""")
        return text.split("\n")

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

    def heard(self):
        return self.d.execute_script(
            "return document.getElementById('dd-announcement').textContent").rstrip("\u00a0")

    def expect_cleared(self):
        for box in (START, END, COUNT):
            self.assertEqual(self.value(box), "", box)
        self.assertEqual(self.items(), [])


class WindowTest(PageTest):
    def test_starts_cleared_in_the_task_statement_with_the_count_box_editable(self):
        self.assertEqual(self.d.title, CAPTION)
        self.assertEqual(self.d.execute_script("return document.documentElement.lang"), "bg")
        self.expect_cleared()
        self.assertEqual(self.focused(), TASK)
        self.assertTrue(self.value(TASK).startswith("Да се реализира проект"))
        self.assertEqual(self.value(TASK).count("\n"), 5)
        self.focus(COUNT)
        self.keys("77")
        self.assertEqual(self.value(COUNT), "77")
        # The task statement scrolls and cannot be edited.
        self.assertTrue(self.d.execute_script(
            "const t = document.getElementById(arguments[0]);"
            "return t.readOnly && t.scrollHeight > t.clientHeight", TASK))
        before = self.value(TASK)
        self.focus(TASK)
        self.keys("abc", Keys.DELETE, Keys.BACKSPACE)
        self.assertEqual(self.value(TASK), before)
        self.assertEqual(self.heard(), "")

    def test_compute_on_a_fresh_window_lists_504_numbers_and_says_so(self):
        self.click(COMPUTE)
        self.assertEqual([self.value(START), self.value(END), self.value(COUNT)],
                         ["1000", "2000", "504"])
        items = self.items()
        self.assertEqual(len(items), 504)
        self.assertEqual((items[0], items[-1]), ("1023", "1987"))
        live = self.d.find_element(By.ID, "dd-announcement")
        self.assertEqual(live.get_attribute("aria-live"), "polite")
        self.assertEqual(self.heard(), "Намерени са 504 числа от 1000 до 2000.")

    def test_bounds_are_ordered_clamped_and_written_back(self):
        cases = [("9000", "1000", "1000", "9000", 4032, "1023", "8976"),
                 ("5000", "3000", "3000", "5000", 1008, "3012", None),
                 ("1500", "", "1000", "1500", 224, "1023", None),
                 (".9E4", "1.5", "1000", "9000", 4032, "1023", None),
                 ("1E5", "1E5", "100000", "9000", 0, None, None),
                 ("1023", "1023", "1023", "1023", 1, "1023", None)]
        for start, end, shown_start, shown_end, count, first, last in cases:
            with self.subTest(start=start, end=end):
                self.type_into(START, start)
                self.type_into(END, end)
                self.click(COMPUTE)
                self.assertEqual((self.value(START), self.value(END)), (shown_start, shown_end))
                self.assertEqual(self.value(COUNT), str(count))
                items = self.items()
                self.assertEqual(len(items), count)
                if first:
                    self.assertEqual(items[0], first)
                if last:
                    self.assertEqual(items[-1], last)
        self.assertEqual(self.heard(), "Намерено е 1 число от 1023 до 1023.")

    def test_number_boxes_take_at_most_four_typed_or_pasted_characters(self):
        for box in (START, END, COUNT):
            self.focus(box)
            self.keys("123456")
            self.assertEqual(self.value(box), "1234", box)
        self.focus(START)
        for pasted, kept in [("98765", "9876"), ("1\r\n2\n3\r4", "1234"),
                             ("123e\u0301", "123"), ("123\U0001F600", "123")]:
            self.set_clipboard(pasted)
            self.ctrl("a")
            self.ctrl("v")
            self.assertEqual(self.value(START), kept, repr(pasted))
        # A paste beside what stays is cut to the room left.
        self.keys(Keys.END, Keys.BACKSPACE, Keys.BACKSPACE)
        self.set_clipboard("5678")
        self.ctrl("v")
        self.assertEqual(self.value(START), "1567")

    def test_program_writes_are_never_cut_and_only_shortened_by_the_user(self):
        self.type_into(START, "9E14")
        self.type_into(END, "9E99")
        self.click(COMPUTE)
        written = "900000000000000"
        self.assertEqual((self.value(START), self.value(END)), (written, "9000"))
        self.assertEqual(self.d.execute_script(
            "return document.getElementById(arguments[0]).selectionStart", START), 0,
            "shown from its first digit")
        self.focus(START)
        self.keys(Keys.END, "7")
        self.assertEqual(self.value(START), written)
        self.set_clipboard("7")
        self.ctrl("v")
        self.assertEqual(self.value(START), written)
        # A paste over all of it is cut to four, and undone whole.
        self.set_clipboard("7" * 35)
        self.ctrl("a")
        self.ctrl("v")
        self.assertEqual(self.value(START), "7777")
        self.ctrl("z")
        self.assertEqual(self.value(START), written)
        self.keys(Keys.END, Keys.BACKSPACE)
        self.assertEqual(self.value(START), written[:14])
        self.keys("7")
        self.assertEqual(self.value(START), written[:14])
        self.keys(*[Keys.BACKSPACE] * 11, "55")
        self.assertEqual(self.value(START), "9005")

    def test_enter_computes_from_the_boxes_and_presses_the_focused_button(self):
        self.type_into(START, "3000")
        self.keys(Keys.RETURN)
        self.assertEqual((self.value(START), self.value(END)), ("1000", "3000"))
        self.assertEqual(self.value(COUNT), str(len(self.items())))
        self.assertEqual(self.focused(), START)
        self.focus(CLEAR)
        self.keys(Keys.RETURN)
        self.expect_cleared()
        self.focus(END)
        self.keys(Keys.ENTER)  # the keypad's
        self.assertEqual(self.value(COUNT), "504")
        self.focus(CLEAR)
        self.keys(Keys.SPACE)
        self.expect_cleared()
        self.focus(COMPUTE)
        self.keys(Keys.ENTER)
        self.assertEqual(len(self.items()), 504)
        # The count box is not an input: Return there computes nothing.
        self.focus(COUNT)
        self.keys(Keys.END, Keys.BACKSPACE, Keys.RETURN)
        self.assertEqual(self.value(COUNT), "50")

    def test_tab_follows_the_designed_order_from_the_task_statement(self):
        self.assertEqual(self.focused(), FOCUS_ORDER[0])
        for expected in FOCUS_ORDER[1:]:
            self.keys(Keys.TAB)
            self.assertEqual(self.focused(), expected)
        for expected in reversed(FOCUS_ORDER[:-1]):
            self.shift(Keys.TAB)
            self.assertEqual(self.focused(), expected)

    def test_clear_empties_the_window_and_compute_starts_again(self):
        self.type_into(START, "9000")
        self.type_into(END, "1000")
        self.click(COMPUTE)
        self.assertEqual(len(self.items()), 4032)
        self.click(CLEAR)
        self.expect_cleared()
        self.assertEqual(self.heard(), "Прозорецът е изчистен.")
        self.click(CLEAR)
        self.expect_cleared()
        self.click(COMPUTE)
        self.assertEqual(self.value(COUNT), "504")
        self.assertEqual(len(self.items()), 504)

    def test_selected_results_are_copied_one_a_line_in_list_order(self):
        self.click(COMPUTE)
        self.focus(RESULTS)
        self.ctrl("a")
        self.assertEqual(self.selected_count(), 504)
        self.ctrl("c")
        lines = self.clipboard_lines()
        self.assertEqual(len(lines), 504)
        self.assertEqual((lines[0], lines[-1]), ("1023", "1987"))
        # Rows 0 and 1 by the keyboard, then 10 and 5 with Ctrl and the mouse.
        self.keys(Keys.HOME)
        self.shift(Keys.DOWN)
        self.d.execute_script("""
            const list = document.getElementById(arguments[0]);
            list.scrollTop = 5 * list.ddList.rowHeight();
            list.ddList.draw();""", RESULTS)
        for row in (10, 5):
            option = self.d.find_element(By.ID, "%s-%d" % (RESULTS, row))
            ActionChains(self.d).key_down(Keys.CONTROL).click(option).key_up(Keys.CONTROL).perform()
        self.assertEqual(self.selected_count(), 4)
        self.ctrl("c")
        items = self.items()
        self.assertEqual(self.clipboard_lines(), [items[0], items[1], items[5], items[10]])

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

    def menu(self):
        return self.d.execute_script("""
            const menu = document.querySelector('[role=menu]');
            return menu && Array.from(menu.children, item => [
              item.firstChild.textContent,
              item.getAttribute('aria-disabled') !== 'true', item === document.activeElement]);""")

    def test_the_result_lists_menu_copies_and_selects_all(self):
        self.focus(RESULTS)
        ActionChains(self.d).context_click(self.d.find_element(By.ID, RESULTS)).perform()
        self.assertEqual(self.menu(), [["Копиране", False, True],
                                       ["Избиране на всичко", False, False]])
        self.keys(Keys.ESCAPE)
        self.assertIsNone(self.menu())
        self.assertEqual(self.focused(), RESULTS)
        self.click(COMPUTE)
        self.focus(RESULTS)
        self.keys(Keys.HOME)
        # From the keyboard, and run by its access key.
        self.menu_key()
        self.assertEqual(self.menu(), [["Копиране", True, True],
                                       ["Избиране на всичко", True, False]])
        self.keys("в")
        self.assertIsNone(self.menu())
        self.assertEqual(self.selected_count(), 504)
        self.assertEqual(self.focused(), RESULTS)
        self.menu_key()
        self.keys(Keys.RETURN)
        self.assertEqual(len(self.clipboard_lines()), 504)

    def test_access_keys_focus_the_boxes_and_press_the_buttons(self):
        self.assertEqual(self.d.execute_script(
            "return Array.from(document.querySelectorAll('[accesskey]'), e => e.accessKey)"),
            ["\u0441", "т", "н", "к", "б"])
        def alt(letter):
            ActionChains(self.d).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

        alt("н")
        self.assertEqual(self.focused(), START)
        self.keys("1000")
        alt("К")  # either case
        self.assertEqual(self.focused(), END)
        self.keys("2000")
        alt("б")
        self.assertEqual(self.focused(), COUNT)
        alt("\u0441")
        self.assertEqual(self.value(COUNT), "504")
        alt("Т")
        self.expect_cleared()
        # A letter that is no access key moves nothing.
        self.focus(END)
        alt("ж")
        self.assertEqual(self.focused(), END)

    def test_captions_stand_on_the_baseline_of_their_boxes_text(self):
        self.type_into(START, "1000")
        self.type_into(END, "2000")
        self.type_into(COUNT, "504")
        self.focus(TASK)
        png = self.grab()
        dark = 3 * 100
        for caption, box in (("Label1(1)", START), ("Label1(2)", END), ("Label1(3)", COUNT)):
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

    def test_the_result_list_shows_its_focus_and_starts_at_the_first_number(self):
        unfocused = self.brightness(self.grab(), RESULTS)
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), RESULTS)
        self.assertNotEqual(self.brightness(self.grab(), RESULTS), unfocused,
                            "no focus shown on the empty list")
        self.click(COMPUTE)
        self.focus(TASK)
        self.keys(Keys.TAB)
        current = "return document.getElementById(arguments[0]).ddList.active"
        self.assertEqual(self.d.execute_script(current, RESULTS), 0)
        self.keys(Keys.DOWN)
        self.assertEqual(self.d.execute_script(current, RESULTS), 1)

    def test_screen_readers_find_each_controls_name(self):
        names = {RESULTS: "Числа с различни цифри", TASK: "Условие на задачата",
                 START: "Начало:", END: "Край:", COUNT: "Общо:", COMPUTE: "Изчисли",
                 CLEAR: "Изтрий", "Label1(0)": "Информатика - числа с различни цифри"}
        for element, name in names.items():
            self.assertEqual(self.d.find_element(By.ID, element).accessible_name, name, element)
        self.assertEqual(self.d.find_element(By.ID, "dd-announcement").get_attribute("role"),
                         "status")

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

    def test_a_web_server_is_asked_for_the_page_alone(self):
        # The server sees what the browser asks for itself, such as an icon.
        asked = []

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                asked.append(self.path)

        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(
            Handler, directory=os.path.dirname(os.path.abspath(self.page))))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.browser.open("http://127.0.0.1:%d/%s" % (server.server_address[1],
                                                           os.path.basename(self.page)))
            self.click(COMPUTE)
            self.assertEqual(self.value(COUNT), "504")
        finally:
            server.shutdown()
            server.server_close()
        self.assertEqual(asked, ["/" + os.path.basename(self.page)])


class DesignTest(PageTest):
    rows, colours, size = read_design(DESIGN)

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
        self.assertEqual(len(self.rows), 12)
        self.assertEqual(self.rect("dd-window")[2:],
                         [self.size["kClientWidth"] // 15, self.size["kClientHeight"] // 15])
        self.assertEqual(self.style("dd-window", "backgroundColor"),
                         "rgb(%d, %d, %d)" % self.colours["kWindowBackground"])
        shown = self.d.execute_script(
            "return Array.from(document.getElementById('dd-window').children, e => e.id)")
        self.assertEqual(sorted(shown), sorted(r["id"] for r in self.rows if not r["hidden"]))
        for row in self.rows:
            if row["hidden"]:
                continue
            with self.subTest(control=row["id"]):
                self.assertEqual(self.rect(row["id"]), row["rect"])
                self.assertTrue(self.style(row["id"], "fontFamily").startswith('"Times New Roman"'))
                self.assertEqual(self.style(row["id"], "fontSize"), "16px")  # 12 points
                if row["background"]:
                    self.assertEqual(self.style(row["id"], "backgroundColor"),
                                     "rgb(%d, %d, %d)" % row["background"])
                    self.assertEqual(self.style(row["id"], "color"), "rgb(0, 0, 0)")

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


class ErrorReportTest(PageTest):
    page = TEST_PAGE
    DIGITS, ADD_ITEM = 5, 4  # design::Role::Digits, ControlOperation::AddItem

    def test_an_error_is_reported_and_the_window_stays_usable(self):
        self.d.execute_script("Module._dd_test_fail_on(arguments[0], arguments[1], 50)",
                              self.DIGITS, self.ADD_ITEM)
        self.click(COMPUTE)
        report = self.d.execute_script("""
            const dialog = document.querySelector('dialog[open]');
            return dialog && [dialog.querySelector('h2').textContent,
                              dialog.querySelector('p').textContent,
                              document.activeElement.textContent];""")
        self.assertIsNotNone(report)
        title, text, focused = report
        self.assertEqual(title, "Грешка")
        self.assertTrue(text.startswith("Действието не можа да завърши.\n"), text)
        self.assertIn("Неуспешна операция с контрола", text)
        self.assertIn("List1(1)", text)
        self.assertEqual(focused, "OK")
        self.assertEqual(self.heard(), "", "a failed command is not announced")
        self.keys(Keys.RETURN)
        self.assertIsNone(self.d.execute_script("return document.querySelector('dialog')"))
        self.assertEqual(self.focused(), COMPUTE)
        self.d.execute_script("Module._dd_test_disarm()")
        self.keys(Keys.RETURN)
        self.assertEqual(self.value(COUNT), "504")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
