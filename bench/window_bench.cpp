// A real click on compute for 1000..9000, until the event loop has painted
// the list and the count (only what changed is repainted, as after any click). Run it once plainly
// and once with the accessibility bridge active (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on an AT-SPI
// bus); the counter `accessibility` says which.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/widget_of.h"
#include "window/qt/main_form_window.h"

namespace {

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
    }
    return QObject::eventFilter(watched, event);
  }
};

// Shows the window and waits until it is on the screen; false, with the
// benchmark marked failed, if it never gets there.
bool ShowAndWait(benchmark::State& state, QWidget& window) {
  window.show();
  if (QTest::qWaitForWindowExposed(&window)) {
    return true;
  }
  state.SkipWithError("the window was never shown");
  return false;
}

void ClickCompute(benchmark::State& state) {
  dd::MainFormWindow window;
  if (!ShowAndWait(state, window)) {
    return;
  }
  auto* start = dd::support::WidgetOf<QLineEdit>(window, dd::design::Role::StartBox);
  auto* end = dd::support::WidgetOf<QLineEdit>(window, dd::design::Role::EndBox);
  auto* compute = dd::support::WidgetOf<QPushButton>(window, dd::design::Role::Compute);
  auto* clear = dd::support::WidgetOf<QPushButton>(window, dd::design::Role::Clear);
  auto* count = dd::support::WidgetOf<QLineEdit>(window, dd::design::Role::CountBox);
  auto* results = dd::support::WidgetOf<QAbstractScrollArea>(window, dd::design::Role::Results);
  PaintCounter count_paints;
  PaintCounter list_paints;
  count->installEventFilter(&count_paints);
  results->viewport()->installEventFilter(&list_paints);
  for (auto _ : state) {
    state.PauseTiming();
    clear->click();
    start->setText(QStringLiteral("1000"));
    end->setText(QStringLiteral("9000"));
    QCoreApplication::processEvents();
    const int count_paints_before = count_paints.paints;
    const int list_paints_before = list_paints.paints;
    state.ResumeTiming();

    QTest::mouseClick(compute, Qt::LeftButton);
    // The event loop repaints what changed; wait until the list and the count
    // have both been painted.
    while (count_paints.paints == count_paints_before || list_paints.paints == list_paints_before) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
  }
  if (count->text() != QStringLiteral("4032")) {
    state.SkipWithError("the compute did not show 4032");
  }
  state.counters["accessibility"] = QAccessible::isActive() ? 1 : 0;
}

BENCHMARK(ClickCompute)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Ctrl+A and Ctrl+C in the result list of 1000..9000 (4032 numbers), until
// the list has been repainted with its selection.
void SelectAllAndCopy(benchmark::State& state) {
  dd::MainFormWindow window;
  if (!ShowAndWait(state, window)) {
    return;
  }
  dd::support::WidgetOf<QLineEdit>(window, dd::design::Role::StartBox)
      ->setText(QStringLiteral("1000"));
  dd::support::WidgetOf<QLineEdit>(window, dd::design::Role::EndBox)
      ->setText(QStringLiteral("9000"));
  QTest::mouseClick(dd::support::WidgetOf<QPushButton>(window, dd::design::Role::Compute),
                    Qt::LeftButton);
  auto* results = dd::support::WidgetOf<QAbstractItemView>(window, dd::design::Role::Results);
  results->setFocus();
  PaintCounter list_paints;
  results->viewport()->installEventFilter(&list_paints);
  for (auto _ : state) {
    state.PauseTiming();
    results->clearSelection();
    QGuiApplication::clipboard()->clear();
    QCoreApplication::processEvents();
    const int paints_before = list_paints.paints;
    state.ResumeTiming();

    QTest::keyClick(results, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    while (list_paints.paints == paints_before) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
  }
  if (QGuiApplication::clipboard()->text().count(QLatin1Char('\n')) != 4031) {
    state.SkipWithError("the copy did not hold 4032 lines");
  }
  state.counters["accessibility"] = QAccessible::isActive() ? 1 : 0;
}

BENCHMARK(SelectAllAndCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
