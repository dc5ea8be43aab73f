// Where the window stands in the view. The designed window is shown at the
// scale the program gives for the view: its designed size, or in a view
// large enough (a projector, a browser in full screen) as large as the view
// takes. The view is taken as at the browser's zoom when the page opened,
// so that the browser's zoom still makes the window larger or smaller (and
// the scroll bars it may bring do not count). Elsewhere on a touch screen,
// and wherever the window and its margins are wider than the view (a
// phone, a narrow window, a page zoomed in), the controls flow in a column
// (the style's dd-flow).
import { state, TOUCH } from './state.js';

// In the column, the task statement's row may grow to the height of its
// whole text where there is room (the style's --dd-task-whole): measured
// at the width it has, again when that changes and once the font is in.
function fitTask() {
  const task = state.task;
  if (!task || !document.documentElement.classList.contains('dd-flow')) {
    return;
  }
  const height = task.style.height;
  task.style.height = '0';
  const whole = task.scrollHeight + task.offsetHeight - task.clientHeight;
  task.style.height = height;
  state.frame.style.setProperty('--dd-task-whole', whole + 'px');
}

export function fitTaskTo(element) {
  state.task = element;
  let width = 0;
  if (typeof ResizeObserver !== 'undefined') {
    new ResizeObserver(() => {
      if (element.clientWidth !== width) {
        width = element.clientWidth;
        fitTask();
      }
    }).observe(element);
  }
  if (document.fonts) {
    document.fonts.ready.then(fitTask);
  }
}

export function fitWindow(client, margin) {
  const root = document.documentElement;
  const narrow = matchMedia('(max-width: ' + (client[0] + 2 * margin - 1) + 'px)');
  const opened = devicePixelRatio;
  const fit = () => {
    const zoom = devicePixelRatio / opened;
    const scale = narrow.matches ? 1000 : Module['_dd_view_scale'](
      Math.round(innerWidth * zoom), Math.round(innerHeight * zoom), TOUCH.matches ? 1 : 0);
    root.classList.toggle('dd-flow', narrow.matches || (TOUCH.matches && scale === 1000));
    root.style.setProperty('--dd-zoom', scale / 1000);
    root.classList.toggle('dd-zoomed', scale !== 1000);
    fitTask();
  };
  narrow.addEventListener('change', fit);
  TOUCH.addEventListener('change', fit);
  addEventListener('resize', fit);
  fit();
}
