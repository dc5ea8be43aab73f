// A page that shows the app in a frame, opened three times in Firefox ESR
// (headless, through puppeteer-core as firefox_cases.mjs drives it): prints,
// as JSON, for each visit whether the app's window was ready in the frame
// and whether its service worker was in control.
//
// Usage: node framed_firefox.mjs FRAME_PAGE_URL FIREFOX
import puppeteer from 'puppeteer-core';

const [framePage, firefox] = process.argv.slice(2);
const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: firefox, headless: true,
  protocol: 'webDriverBiDi', args: ['--width=800', '--height=600'],
});
const seen = [];
try {
  const tab = await browser.newPage();
  for (let visit = 0; visit < 3; ++visit) {
    await tab.goto(framePage);
    const frame = await (await tab.waitForSelector('iframe')).contentFrame();
    let state = null;
    for (let tries = 0; tries < 200 && !state; ++tries) {
      state = await frame.evaluate(async () => {
        if (document.documentElement.dataset.ready !== 'true') {
          return null;
        }
        await navigator.serviceWorker.ready;
        return { ready: true, controlled: navigator.serviceWorker.controller !== null };
      });
      if (!state) {
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
    }
    seen.push(state || { ready: false, controlled: false });
  }
} finally {
  await browser.close();
}
console.log(JSON.stringify(seen));
