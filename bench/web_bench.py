#!/usr/bin/python3
"""Figures of the web page in headless Chromium, opened from disk: the size
of the one HTML file, the time from opening it to the window ready for use
(beside a page with nothing but an empty box of the window's size, as the
yardstick), and a click on compute for 1000..9000 until the count is shown;
then the same on a mid-range phone: a 360 x 740 touch screen in Chromium's
device emulation with its processor slowed four times. Prints the median and
the range of repeated runs.

Usage: web_bench.py PAGE [REPETITIONS]
"""
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser  # noqa: E402

COMPUTE = """
const done = arguments[arguments.length - 1];
const byId = (id) => document.getElementById(id);
byId('Command1(1)').click();
byId('Text2(0)').value = '1000';
byId('Text2(1)').value = '9000';
// Settle the cleared window's frame first.
requestAnimationFrame(() => setTimeout(() => {
  const start = performance.now();
  byId('Command1(0)').click();
  const handled = performance.now();
  byId('Text2(2)').getBoundingClientRect();  // style and layout, forced now
  const laidOut = performance.now();
  const count = byId('Text2(2)').value;
  // The frame that shows the result: its rendering starts after this
  // animation frame callback, and the task after it runs once it is done.
  requestAnimationFrame(() => setTimeout(() => {
    done([handled - start, laidOut - start, performance.now() - start, count]);
  }));
}));
"""


def report(name, values, unit="ms"):
    print("%-52s median %7.2f %s   (%.2f to %.2f, %d runs)" % (
        name, statistics.median(values), unit, min(values), max(values), len(values)))


# The yardstick: an empty box of the window's size, marked as the page marks
# its window.
EMPTY_PAGE = """<!doctype html><html lang="bg"><head><meta charset="utf-8"><title>-</title></head>
<body><div style="width: 461px; height: 345px; background: #c0c0ff"></div><script>
performance.mark('dd-ready');
document.documentElement.dataset.ready = 'true';
requestAnimationFrame(() => setTimeout(() => performance.mark('dd-shown')));
</script></body></html>
"""


def start_up(browser, page, repetitions):
    """The times from opening `page` to its window ready and to its first frame."""
    ready, shown = [], []
    for _ in range(repetitions):
        browser.open(page)
        ready.append(browser.driver.execute_script(
            "return performance.getEntriesByName('dd-ready')[0].startTime"))
        shown.append(browser.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "const shown = () => performance.getEntriesByName('dd-shown');"
            "const wait = () => shown().length ? done(shown()[0].startTime) : setTimeout(wait);"
            "wait();"))
    return ready, shown


def compute(driver, repetitions):
    """Compute 1000..9000: the click handled, the window laid out, the next
    frame done."""
    handled, laid_out, shown = [], [], []
    for _ in range(repetitions):
        times = driver.execute_async_script(COMPUTE)
        if times[3] != "4032":
            sys.exit("compute 1000..9000 showed %r, not 4032" % times[3])
        handled.append(times[0])
        laid_out.append(times[1])
        shown.append(times[2])
    return handled, laid_out, shown


def main(page, repetitions=15):
    repetitions = int(repetitions)
    print("%-52s %7.1f KB" % ("HTML file, everything inside", os.path.getsize(page) / 1024))
    browser = Browser()
    try:
        driver = browser.driver
        with tempfile.NamedTemporaryFile("w", suffix=".html") as empty:
            empty.write(EMPTY_PAGE)
            empty.flush()
            empty_ready, empty_shown = start_up(browser, empty.name, repetitions)
        ready, shown = start_up(browser, page, repetitions)
        report("opening the file to the window ready", ready)
        report("opening the file to the first frame of the window", shown)
        report("the same for an empty page: ready", empty_ready)
        report("the same for an empty page: first frame", empty_shown)
        handled, laid_out, shown = compute(driver, repetitions)
        report("compute 1000..9000: click handled, list filled", handled)
        report("compute 1000..9000: click to window laid out", laid_out)
        report("compute 1000..9000: click to the next frame done", shown)
        # A mid-range phone.
        browser.emulate(360, 740, True)
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        ready, _ = start_up(browser, page, repetitions)
        report("phone, processor / 4: opening to the window ready", ready)
        _, _, shown = compute(driver, repetitions)
        report("phone, processor / 4: compute to the next frame done", shown)
    finally:
        browser.close()


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(*sys.argv[1:])
