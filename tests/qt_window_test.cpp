// Tests of the real window on an X server, as a user meets it.
#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/fault_injector.h"
#include "tests/support/widget_of.h"
#include "window/announcement.h"
#include "window/form_design.h"
#include "window/qt/announcer.h"
#include "window/qt/main_form_window.h"
#include "window/qt/number_edit.h"
#include "window/qt/qt_translation.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace dd {
namespace {

// The contrast ratio of two colours, 1 to 21, as accessibility guidelines
// define it from their relative luminance.
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How strongly the text inside a widget stands out: the greatest contrast of
// any pixel of its inside (`inset` pixels from the edge) against the
// commonest colour there, which is the background.
double TextContrast(QWidget& widget, int inset) {
  const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const qreal scale = image.width() / static_cast<qreal>(widget.width());
  const QRect inside(QPoint(qRound(inset * scale), qRound(inset * scale)),
                     QPoint(image.width() - 1 - qRound(inset * scale),
                            image.height() - 1 - qRound(inset * scale)));
  std::map<QRgb, int> counts;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      ++counts[image.pixel(x, y)];
    }
  }
  const QColor background(
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first);
  double strongest = 1;
  for (const auto& [rgb, count] : counts) {
    strongest = std::max(strongest, Contrast(QColor(rgb), background));
  }
  return strongest;
}

// What a screen reader is told to announce, as the accessibility bridge
// would receive it.
QStringList* heard = nullptr;
void ListenForAnnouncements(QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (event->type() == QAccessible::Announcement) {
    heard->append(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
  }
#else
  QAccessibleInterface* object = event->accessibleInterface();
  if (event->type() == QAccessible::ObjectShow && object != nullptr &&
      object->role() == QAccessible::Notification) {
    heard->append(object->text(QAccessible::Name));
  }
#endif
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  support::FaultInjector faults;
  std::unique_ptr<MainFormWindow> window;

  template <class W = QWidget>
  W* Widget(std::string_view array, int index) const {
    return support::WidgetOf<W>(*window, std::string(array).c_str(), index);
  }
  QLineEdit* Box(std::int16_t index) const { return Widget<QLineEdit>("Text2", index); }
  QPushButton* Button(std::int16_t index) const { return Widget<QPushButton>("Command1", index); }
  QListView* Results() const { return Widget<QListView>("List1", 0); }
  int ResultCount() const { return Results()->model()->rowCount(); }
  QString Result(int row) const { return Results()->model()->index(row, 0).data().toString(); }
  void Click(std::int16_t button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
  void Type(std::int16_t box, const QString& text) {
    Box(box)->clear();
    QTest::keyClicks(Box(box), text);
  }
  void ExpectCleared() const {
    for (std::int16_t i = 0; i < 3; ++i) {
      QCOMPARE(Box(i)->text(), QString());
    }
    QCOMPARE(ResultCount(), 0);
  }

 private slots:
  void init() {
    faults.Disarm();
    window = std::make_unique<MainFormWindow>(&faults);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() { window.reset(); }

  void startsClearedWithTheCountBoxEditable() {
    ExpectCleared();
    QVERIFY(!Box(2)->isReadOnly());
    QTest::keyClicks(Box(2), QStringLiteral("77"));
    QCOMPARE(Box(2)->text(), QStringLiteral("77"));
    QCOMPARE(window->windowTitle(),
             QStringLiteral("www.example.org Информатика - числа от интервал"));
    QCOMPARE(window->size(), QSize(461, 345));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowIcon().isNull());
  }

  void numberBoxesRefuseAFifthTypedCharacter() {
    for (std::int16_t i = 0; i < 3; ++i) {
      QTest::keyClicks(Box(i), QStringLiteral("123456"));
      QCOMPARE(Box(i)->text(), QStringLiteral("1234"));
    }
    Box(0)->clear();
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    Box(0)->setFocus();
    QTest::keySequence(Box(0), QKeySequence::Paste);
    QCOMPARE(Box(0)->text(), QStringLiteral("9876"));
  }

  void programWritesAreNeverCut() {
    Type(0, QStringLiteral("1E5"));
    Type(1, QStringLiteral("1E5"));
    Click(0);
    QCOMPARE(Box(0)->text(), QStringLiteral("100000"));
    QCOMPARE(Box(1)->text(), QStringLiteral("9000"));
    // The user may shorten such a text but not lengthen it.
    Box(0)->setFocus();
    Box(0)->end(false);
    QTest::keyClick(Box(0), Qt::Key_7);
    QCOMPARE(Box(0)->text(), QStringLiteral("100000"));
    QTest::keyClick(Box(0), Qt::Key_Backspace);
    QTest::keyClick(Box(0), Qt::Key_7);
    QCOMPARE(Box(0)->text(), QStringLiteral("10000"));
    QTest::keyClick(Box(0), Qt::Key_Backspace);
    QTest::keyClick(Box(0), Qt::Key_Backspace);
    QTest::keyClick(Box(0), Qt::Key_5);
    QCOMPARE(Box(0)->text(), QStringLiteral("1005"));
    QTest::keyClick(Box(0), Qt::Key_5);
    QCOMPARE(Box(0)->text(), QStringLiteral("1005"));
  }

  void computeOnAFreshWindowLists504Numbers() {
    Click(0);
    QCOMPARE(Box(0)->text(), QStringLiteral("1000"));
    QCOMPARE(Box(0)->cursorPosition(), 4);  // where QLineEdit::setText puts it
    QCOMPARE(Box(1)->text(), QStringLiteral("2000"));
    QCOMPARE(Box(2)->text(), QStringLiteral("504"));
    QCOMPARE(ResultCount(), 504);
    QCOMPARE(Result(0), QStringLiteral("1023"));
    QCOMPARE(Result(503), QStringLiteral("1987"));
  }

  void clearEmptiesTheWindowAndComputeStartsAgain() {
    Type(0, QStringLiteral("9000"));
    Type(1, QStringLiteral("1000"));
    Click(0);
    QCOMPARE(ResultCount(), 4032);
    Click(1);
    ExpectCleared();
    Click(1);
    ExpectCleared();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    Click(0);
    QCOMPARE(Box(2)->text(), QStringLiteral("504"));
    QCOMPARE(ResultCount(), 504);
  }

  void secondRunWithoutClearingShowsOnlyItsOwnCount() {
    Type(0, QStringLiteral("1000"));
    Type(1, QStringLiteral("9000"));
    Click(0);
    Type(0, QStringLiteral("3000"));
    Type(1, QStringLiteral("3100"));
    Click(0);
    QCOMPARE(Box(2)->text(), QString::number(ResultCount()));
    QCOMPARE(Result(0), QStringLiteral("3012"));
  }

  void tabFollowsTheDesignedOrderFromTheTaskStatement() {
    QCOMPARE(QApplication::focusWidget(), Widget("Text1", 0));
    for (std::size_t step = 1; step <= design::kFocusOrder.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const design::ControlRef& next = design::kFocusOrder[step % design::kFocusOrder.size()];
      QCOMPARE(QApplication::focusWidget(), Widget(next.array, next.index));
    }
  }

  void taskStatementScrollsAndCannotBeEdited() {
    auto* statement = Widget<QPlainTextEdit>("Text1", 0);
    QVERIFY(statement->isReadOnly());
    QCOMPARE(statement->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(statement->verticalScrollBar()->maximum() > 0);
    const QString before = statement->toPlainText();
    QVERIFY(before.startsWith(QStringLiteral("Да се реализира проект")));
    QCOMPARE(before.count(QLatin1Char('\n')), 5);
    QTest::keyClicks(statement, QStringLiteral("abc"));
    QCOMPARE(statement->toPlainText(), before);
  }

  void anErrorIsReportedAndTheWindowStaysUsable() {
    faults.FailOn("List1", 1, ControlOperation::AddItem, 50);
    QString reported;
    QTimer::singleShot(0, this, [&reported] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) {
        reported = box->text();
        box->accept();
      }
    });
    Click(0);
    QVERIFY2(reported.contains(QStringLiteral("Неуспешна операция с контрола")),
             qPrintable(reported));
    QVERIFY(reported.contains(QStringLiteral("List1(1)")));
    QVERIFY(window->isVisible());
    faults.Disarm();
    Click(0);
    QCOMPARE(Box(2)->text(), QStringLiteral("504"));
  }

  void controlsStandWhereTheDesignPutsThem() {
    for (const design::ControlDesign& d : design::kControls) {
      QWidget* widget = Widget(d.array, d.index);
      if (d.hidden) {
        QCOMPARE(widget, nullptr);
        continue;
      }
      QVERIFY(widget != nullptr);
      QCOMPARE(widget->geometry(), QRect(d.left / 15, d.top / 15, d.width / 15, d.height / 15));
      QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Serif"));
      QCOMPARE(widget->font().pointSize(), 12);
    }
    // Only the result list is a list on screen.
    QCOMPARE(window->findChildren<QListView*>().size(), 1);
  }

  void designedColoursCoverTheDesignedRectangles() {
    const QImage image = window->grab().toImage();
    const qreal scale = image.width() / static_cast<qreal>(window->width());
    auto colourAt = [&](int x, int y) {
      return image.pixelColor(qRound(x * scale), qRound(y * scale)).toRgb();
    };
    // The window between its controls.
    QCOMPARE(colourAt(5, 5), QColor(192, 192, 255));
    QCOMPARE(colourAt(455, 340), QColor(192, 192, 255));
    for (const design::ControlDesign& d : design::kControls) {
      if (d.background == nullptr) {
        continue;
      }
      const QColor expected(d.background->red, d.background->green, d.background->blue);
      const QRect r(d.left / 15, d.top / 15, d.width / 15, d.height / 15);
      // Labels are filled edge to edge (the number box beside each overlaps
      // its last pixel column); buttons inside their 2-pixel border.
      const int inset = d.kind == design::Kind::Label ? 0 : 3;
      for (const QPoint& p :
           {QPoint(r.left() + inset, r.top() + inset), QPoint(r.left() + inset, r.bottom() - inset),
            QPoint(r.right() - inset - 1, r.bottom() - inset),
            QPoint(r.left() + inset + 1, r.center().y())}) {
        QVERIFY2(colourAt(p.x(), p.y()) == expected,
                 qPrintable(QStringLiteral("%1(%2) at %3,%4: %5")
                                .arg(QString::fromUtf8(d.array.data(), d.array.size()))
                                .arg(d.index)
                                .arg(p.x())
                                .arg(p.y())
                                .arg(colourAt(p.x(), p.y()).name())));
      }
    }
  }

  void screenReadersGetMeaningfulNames() {
    QCOMPARE(Box(0)->accessibleName(), QStringLiteral("Начало:"));
    QCOMPARE(Box(1)->accessibleName(), QStringLiteral("Край:"));
    QCOMPARE(Box(2)->accessibleName(), QStringLiteral("Общо:"));
    QCOMPARE(Button(0)->accessibleName(), QStringLiteral("Изчисли"));
    QCOMPARE(Button(1)->accessibleName(), QStringLiteral("Изтрий"));
    QVERIFY(!Results()->accessibleName().isEmpty());
    QVERIFY(!Widget("Text1", 0)->accessibleName().isEmpty());
    auto* label = Widget<QLabel>("Label1", 1);
    QCOMPARE(label->buddy(), Box(0));
  }

  void numbersAreReadAndWrittenWithAPointWhateverTheLocale() {
    if (qEnvironmentVariableIsSet("DD_EXPECT_LOCALE")) {
      QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
      QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
    }
    Type(0, QStringLiteral(".9E4"));
    Type(1, QStringLiteral("1.5"));
    Click(0);
    QCOMPARE(Box(0)->text(), QStringLiteral("1000"));
    QCOMPARE(Box(1)->text(), QStringLiteral("9000"));
    QCOMPARE(Box(2)->text(), QStringLiteral("4032"));
    // Written as the program writes, longer than a user may type.
    Widget<NumberEdit>("Text2", 0)->WriteProgramText(QStringLiteral("1233.5"));
    Widget<NumberEdit>("Text2", 1)->WriteProgramText(QStringLiteral("1240"));
    Click(0);
    QCOMPARE(Box(0)->text(), QStringLiteral("1233.5"));
    QCOMPARE(Result(0), QStringLiteral("1234"));
  }

  void resultListExposesItsItemsToScreenReaders() {
    Click(0);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Results());
    QVERIFY(list != nullptr);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Числа с различни цифри"));
    QCOMPARE(list->childCount(), 504);
    QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("1023"));
    QCOMPARE(list->child(503)->text(QAccessible::Name), QStringLiteral("1987"));
  }
  // The same keys, pressed in a number box and in a plain QLineEdit limited
  // to four characters, leave the same text, caret, selection and undo state.
  void numberBoxesEditLikeAPlainLineEdit() {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_1, {}},        {Qt::Key_2, {}},
        {Qt::Key_3, {}},        {Qt::Key_4, {}},
        {Qt::Key_5, {}},        {Qt::Key_Home, {}},
        {Qt::Key_Delete, {}},   {Qt::Key_5, {}},
        {Qt::Key_End, {}},      {Qt::Key_Left, {}},
        {Qt::Key_Left, {}},     {Qt::Key_Backspace, {}},
        {Qt::Key_9, {}},        {Qt::Key_Z, ctrl},
        {Qt::Key_Z, ctrl},      {Qt::Key_Z, ctrl | Qt::ShiftModifier},
        {Qt::Key_Left, {}},     {Qt::Key_Left, Qt::ShiftModifier},
        {Qt::Key_7, {}},        {Qt::Key_A, ctrl},
        {Qt::Key_V, ctrl},      {Qt::Key_Home, {}},
        {Qt::Key_V, ctrl},      {Qt::Key_Z, ctrl},
        {Qt::Key_8, {}},        {Qt::Key_Right, {}},
        {Qt::Key_Backspace, {}}};
    QApplication::clipboard()->setText(QStringLiteral("86"));
    for (std::int16_t i = 0; i < 3; ++i) {
      QLineEdit plain;
      plain.setMaxLength(4);
      Box(i)->setFocus();
      for (std::size_t step = 0; step < keys.size(); ++step) {
        QTest::keyClick(&plain, keys[step].first, keys[step].second);
        QTest::keyClick(Box(i), keys[step].first, keys[step].second);
        const QString where = QStringLiteral("box %1, key %2").arg(i).arg(step);
        QVERIFY2(Box(i)->text() == plain.text(), qPrintable(where + ": " + Box(i)->text()));
        QVERIFY2(Box(i)->cursorPosition() == plain.cursorPosition(), qPrintable(where));
        QVERIFY2(Box(i)->selectedText() == plain.selectedText(), qPrintable(where));
        QVERIFY2(Box(i)->isUndoAvailable() == plain.isUndoAvailable(), qPrintable(where));
        QVERIFY2(Box(i)->isRedoAvailable() == plain.isRedoAvailable(), qPrintable(where));
      }
    }
  }

  void pastesAreHeldToFourCharactersWithoutLineBreaks() {
    Type(0, QStringLiteral("9E14"));
    Type(1, QStringLiteral("9E99"));
    Click(0);
    const QString written = QStringLiteral("900000000000000");
    QCOMPARE(Box(0)->text(), written);
    QCOMPARE(Box(0)->cursorPosition(), 0);  // shown from its first digit
    Box(0)->setFocus();
    auto pasteOverAll = [this](const QString& text) {
      QApplication::clipboard()->setText(text);
      QTest::keyClick(Box(0), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(Box(0), Qt::Key_V, Qt::ControlModifier);
      return Box(0)->text();
    };
    QCOMPARE(pasteOverAll(QString(35, QLatin1Char('7'))), QStringLiteral("7777"));
    QTest::keyClick(Box(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Box(0)->text(), written);
    QTest::keyClick(Box(0), Qt::Key_End);
    QTest::keyClick(Box(0), Qt::Key_7);
    QCOMPARE(Box(0)->text(), written);
    QTest::keyClick(Box(0), Qt::Key_Backspace);
    QCOMPARE(Box(0)->text(), written.left(14));
    QCOMPARE(pasteOverAll(QStringLiteral("123e\u0301")), QStringLiteral("123"));
    QCOMPARE(pasteOverAll(QStringLiteral("123") + QString::fromUcs4(U"\U0001F600")),
             QStringLiteral("123"));
    QCOMPARE(pasteOverAll(QStringLiteral("1\r\n2\n3\r4")), QStringLiteral("1234"));

    // The context menu's Paste keeps to the same rules, and its Undo is on.
    QApplication::clipboard()->setText(QStringLiteral("56\n789"));
    Box(0)->selectAll();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              Box(0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Box(0), &menuKey);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    auto action = [menu](const char* text) {
      for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr(text))) {
          return action;
        }
      }
      return static_cast<QAction*>(nullptr);
    };
    QVERIFY(action("&Undo") != nullptr && action("&Paste") != nullptr);
    QVERIFY(action("&Undo")->isEnabled());
    action("&Paste")->trigger();
    menu->close();
    QCOMPARE(Box(0)->text(), QStringLiteral("5678"));

    // A middle click pastes the X11 selection by the same rules.
    if (QApplication::clipboard()->supportsSelection()) {
      QTest::keyClick(Box(1), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(Box(1), Qt::Key_Delete);
      QApplication::clipboard()->setText(QStringLiteral("123456"), QClipboard::Selection);
      QTest::mouseClick(Box(1), Qt::MiddleButton);
      QCOMPARE(Box(1)->text(), QStringLiteral("1234"));
    }
  }

  void enterComputesFromTheBoxesAndPressesTheFocusedButton() {
    Box(0)->setFocus();
    QTest::keyClicks(Box(0), QStringLiteral("3000"));
    QTest::keyClick(Box(0), Qt::Key_Return);
    QCOMPARE(Box(1)->text(), QStringLiteral("3000"));
    QCOMPARE(Box(2)->text(), QString::number(ResultCount()));
    QCOMPARE(QApplication::focusWidget(), Box(0));
    QTest::keyClick(Button(1), Qt::Key_Return);
    ExpectCleared();
    Box(1)->setFocus();
    QTest::keyClick(Box(1), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Box(2)->text(), QStringLiteral("504"));
    QTest::keyClick(Button(1), Qt::Key_Space);
    ExpectCleared();
    QTest::keyClick(Button(0), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ResultCount(), 504);
    // The count box is not an input: Return there computes nothing.
    Box(2)->setFocus();
    QTest::keyClick(Box(2), Qt::Key_End);
    QTest::keyClick(Box(2), Qt::Key_Backspace);
    QTest::keyClick(Box(2), Qt::Key_Return);
    QCOMPARE(Box(2)->text(), QStringLiteral("50"));
  }

  void selectedResultsAreCopiedOneALineInListOrder() {
    Click(0);
    Results()->setFocus();
    QTest::keyClick(Results(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Results()->selectionModel()->selectedRows().size(), 504);
    QTest::keyClick(Results(), Qt::Key_C, Qt::ControlModifier);
    const QStringList all = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(all.size(), 504);
    QCOMPARE(all.front(), QStringLiteral("1023"));
    QCOMPARE(all.back(), QStringLiteral("1987"));

    // A range with Shift, then rows 10 and 5 with Ctrl: copied in list order.
    QTest::keyClick(Results(), Qt::Key_Home);
    QTest::keyClick(Results(), Qt::Key_Down, Qt::ShiftModifier);
    for (const int row : {10, 5}) {
      const QRect item = Results()->visualRect(Results()->model()->index(row, 0));
      QTest::mouseClick(Results()->viewport(), Qt::LeftButton, Qt::ControlModifier, item.center());
    }
    QTest::keyClick(Results(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringList({Result(0), Result(1), Result(5), Result(10)}).join(QLatin1Char('\n')));

    // The Menu key offers the same in Bulgarian; the list itself is untouched.
    QStringList offered;
    QTimer::singleShot(0, this, [&offered] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) {
        return;
      }
      for (QAction* action : menu->actions()) {
        offered << action->text();
      }
      menu->actions().back()->trigger();  // select all
      menu->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(),
                              Results()->mapToGlobal(QPoint()));
    QApplication::sendEvent(Results()->viewport(), &menuKey);
    QCOMPARE(offered,
             QStringList({QStringLiteral("&Копиране"), QStringLiteral("Избиране на &всичко")}));
    QCOMPARE(Results()->selectionModel()->selectedRows().size(), 504);
    QCOMPARE(ResultCount(), 504);
    QCOMPARE(Result(0), QStringLiteral("1023"));
  }

  void everyTextIsReadableUnderDefaultDarkAndHighContrastLooks() {
    Type(0, QStringLiteral("1000"));
    Type(1, QStringLiteral("2000"));
    Click(0);
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                {QPalette::WindowText, QColor(238, 238, 236)},
                                {QPalette::Base, QColor(45, 45, 45)},
                                {QPalette::Text, QColor(238, 238, 236)},
                                {QPalette::Button, QColor(60, 60, 60)},
                                {QPalette::ButtonText, QColor(238, 238, 236)}}) {
      dark.setColor(role, colour);
    }
    QPalette high_contrast(Qt::white, Qt::black);
    high_contrast.setColor(QPalette::Text, Qt::yellow);
    high_contrast.setColor(QPalette::Base, Qt::black);
    const std::pair<const char*, QPalette> looks[] = {
        {"default", original}, {"dark", dark}, {"high contrast", high_contrast}};
    for (const auto& [look, palette] : looks) {
      QApplication::setPalette(palette);
      QCoreApplication::processEvents();  // the list lays its items out
      for (const design::ControlDesign& d : design::kControls) {
        QWidget* widget = Widget(d.array, d.index);
        if (widget == nullptr) {
          continue;
        }
        // Inside the frames and borders, on the area the text is drawn on.
        auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        const double contrast = area != nullptr
                                    ? TextContrast(*area->viewport(), 0)
                                    : TextContrast(*widget, d.kind == design::Kind::Label ? 0 : 4);
        QVERIFY2(contrast >= 4.5,
                 qPrintable(QStringLiteral("%1(%2) under the %3 look: %4:1")
                                .arg(QString::fromUtf8(d.array.data(), d.array.size()))
                                .arg(d.index)
                                .arg(QLatin1String(look))
                                .arg(contrast, 0, 'f', 2)));
      }
    }
  }

  void qtsOwnMenusAndButtonsSpeakBulgarian() {
    QVERIFY(InstallQtTranslation());
    auto isBulgarian = [](const QString& text) {
      bool cyrillic = false;
      for (QChar c : text) {
        if (c.script() == QChar::Script_Latin) {
          return false;
        }
        cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
      }
      return cyrillic;
    };
    const std::unique_ptr<QMenu> box_menu(Box(0)->createStandardContextMenu());
    const std::unique_ptr<QMenu> statement_menu(
        Widget<QPlainTextEdit>("Text1", 0)->createStandardContextMenu());
    for (QMenu* menu : {box_menu.get(), statement_menu.get()}) {
      QVERIFY(menu->actions().size() > 2);
      for (const QAction* action : menu->actions()) {
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);  // no shortcut
        QVERIFY2(action->isSeparator() || isBulgarian(text), qPrintable(text));
      }
    }
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (const QAbstractButton* button : buttons.buttons()) {
      QVERIFY2(isBulgarian(button->text()), qPrintable(button->text()));
    }
  }

  // Needs Qt's accessibility bridge on an AT-SPI bus (ctest's
  // window_announcements runs it so); without one Qt sends no accessibility
  // events at all.
  void screenReadersHearComputeAndClearButNotMovingAround() {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
      QSKIP("no accessibility bus");
    }
    QTRY_VERIFY(QAccessible::isActive());
    QStringList announcements;
    heard = &announcements;
    QAccessible::installUpdateHandler(ListenForAnnouncements);
    const auto stop = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
    for (std::size_t step = 0; step < design::kFocusOrder.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(announcements, QStringList());
    // Compute and clear from the keyboard, then compute one number by mouse.
    Button(0)->setFocus();
    QTest::keyClick(Button(0), Qt::Key_Space);
    QTest::keyClick(Button(0), Qt::Key_Tab);
    QTest::keyClick(Button(1), Qt::Key_Space);
    Type(0, QStringLiteral("1023"));
    Type(1, QStringLiteral("1023"));
    Click(0);
    QCOMPARE(announcements, QStringList({ToQString(ComputedAnnouncement(u"1000", u"2000", 504)),
                                         ToQString(ClearedAnnouncement()),
                                         ToQString(ComputedAnnouncement(u"1023", u"1023", 1))}));
    QVERIFY(announcements[0].contains(QStringLiteral(" 504 ")));
    QVERIFY(announcements[2].contains(QStringLiteral(" 1 число ")));
    // A command that fails says so in its message box, not in an announcement.
    faults.FailOn("List1", 1, ControlOperation::AddItem);
    QTimer::singleShot(0, this, [] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        box->close();
      }
    });
    Click(0);
    QCOMPARE(announcements.size(), 3);
  }
};

}  // namespace dd

QTEST_MAIN(dd::WindowTest)
#include "window_test.moc"
