// Many computes and clears on the real window keep its memory flat.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/support/resident_memory.h"
#include "tests/support/widget_of.h"
#include "window/qt/main_form_window.h"

namespace dd {

class EnduranceTest : public QObject {
  Q_OBJECT

 private slots:
  void alternatingComputesAndClearsKeepMemoryFlat() {
    MainFormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* start = support::WidgetOf<QLineEdit>(window, design::Role::StartBox);
    auto* end = support::WidgetOf<QLineEdit>(window, design::Role::EndBox);
    auto* count = support::WidgetOf<QLineEdit>(window, design::Role::CountBox);
    auto* compute = support::WidgetOf<QPushButton>(window, design::Role::Compute);
    auto* clear = support::WidgetOf<QPushButton>(window, design::Role::Clear);

    constexpr int kRuns = 10000;
    constexpr int kSettled = 100;
    long settled_kib = 0;
    long peak_kib = 0;
    for (int run = 1; run <= kRuns; ++run) {
      start->setText(QStringLiteral("1000"));
      end->setText(QStringLiteral("9000"));
      compute->click();
      QCOMPARE(count->text(), QStringLiteral("4032"));
      if (run % 10 == 0) {
        QCoreApplication::processEvents();  // let the window paint now and then
      }
      clear->click();
      QCOMPARE(count->text(), QString());
      if (run == kSettled) {
        settled_kib = support::ResidentKiB();
      } else if (run > kSettled && run % 100 == 0) {
        peak_kib = std::max(peak_kib, support::ResidentKiB());
      }
    }
    qInfo("resident memory: %ld KiB after %d runs, at most %ld KiB up to %d runs", settled_kib,
          kSettled, peak_kib, kRuns);
    QVERIFY(settled_kib > 0);
    QVERIFY2(peak_kib - settled_kib <= 1024, "resident memory grew by more than 1 MiB");
  }
};

}  // namespace dd

QTEST_MAIN(dd::EnduranceTest)
#include "endurance_test.moc"
