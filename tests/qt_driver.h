// The Qt driver of the window scenarios: Qt Test's key and mouse events on
// the real window, and what it shows read back from its widgets. Included by
// the Qt window's test program alone.
#pragma once

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
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/widget_of.h"
#include "tests/window_driver.h"
#include "window/qt/main_form_window.h"
#include "window/qt/number_edit.h"
#include "window/qt/qt_translation.h"
#include "window/texts.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace dd::testing {
namespace {

Text FromQString(const QString& text) {
  return text.toStdU16String();
}

class QtDriver final : public WindowDriver {
 public:
  explicit QtDriver(ControlHook& hook) : window_(std::make_unique<MainFormWindow>(&hook)) {
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  MainFormWindow& Window() { return *window_; }
  template <class W = QWidget>
  W* Widget(Role role) const {
    return support::WidgetOf<W>(*window_, role);
  }
  QLineEdit* Box(Role role) const { return Widget<QLineEdit>(role); }
  QListView* Results() const { return Widget<QListView>(Role::Results); }

  Text Title() override { return FromQString(window_->windowTitle()); }
  Rect ClientArea() override { return {0, 0, window_->width(), window_->height()}; }
  int Pixels(int twips) override { return design::Pixels(twips); }
  bool Resizable() override {
    return window_->minimumSize() != window_->maximumSize() ||
           window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
  }
  // X key and wheel events, through the X server, by xdotool: Qt takes them
  // as it takes a keyboard's (the keypad's plus, a '+' typed with Shift).
  void Zoom(ZoomGesture gesture) override {
    static const std::map<ZoomGesture, QStringList> kEvents = {
        {ZoomGesture::CtrlPlus, {"key", "ctrl+plus"}},
        {ZoomGesture::CtrlEquals, {"key", "ctrl+equal"}},
        {ZoomGesture::CtrlKeypadPlus, {"key", "ctrl+KP_Add"}},
        {ZoomGesture::CtrlMinus, {"key", "ctrl+minus"}},
        {ZoomGesture::CtrlKeypadMinus, {"key", "ctrl+KP_Subtract"}},
        {ZoomGesture::CtrlZero, {"key", "ctrl+0"}},
        {ZoomGesture::CtrlWheelUp, {"keydown", "ctrl", "click", "4", "keyup", "ctrl"}},
        {ZoomGesture::CtrlWheelDown, {"keydown", "ctrl", "click", "5", "keyup", "ctrl"}},
    };
    const QSize before = window_->size();
    // The pointer over the result list, where a wheel would scroll.
    const QPoint over = Results()->mapTo(window_.get(), Results()->rect().center());
    QStringList arguments{"mousemove", "--window", QString::number(window_->winId()),
                          QString::number(over.x()), QString::number(over.y())};
    arguments += kEvents.at(gesture);
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << "xdotool failed";
    // A step that would not fit the screen changes nothing: that waits it out.
    static_cast<void>(QTest::qWaitFor([&] { return window_->size() != before; }, 500));
    QTest::qWait(20);
  }
  Rect ScreenArea() override {
    const QRect area = window_->screen()->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
  }
  Rect FrameArea() override {
    const QRect frame = window_->frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
  }

  std::optional<Role> Focused() override {
    for (const design::ControlDesign& d : design::kControls) {
      if (Widget(d.role) != nullptr && Widget(d.role) == QApplication::focusWidget()) {
        return d.role;
      }
    }
    return std::nullopt;
  }
  void Focus(Role role) override { Widget(role)->setFocus(); }
  void Type(std::u16string_view text) override {
    QTest::keyClicks(QApplication::focusWidget(), ToQString(text));
  }
  void Press(Key key, bool shift) override {
    // Qt's key for each Key, in the enumeration's order.
    static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,   Qt::Key_Return,    Qt::Key_Enter,
                                        Qt::Key_Space, Qt::Key_Home,      Qt::Key_End,
                                        Qt::Key_Left,  Qt::Key_Right,     Qt::Key_Up,
                                        Qt::Key_Down,  Qt::Key_Backspace, Qt::Key_Delete};
    Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    if (key == Key::KeypadEnter) {
      modifiers |= Qt::KeypadModifier;
    }
    QTest::keyClick(QApplication::focusWidget(), kKeys[static_cast<int>(key)], modifiers);
  }
  void PressCtrl(char letter) override {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(letter), Qt::ControlModifier);
  }
  void PressAlt(char16_t letter) override {
    // Qt's key codes for letters are their upper-case code points, as the
    // Bulgarian layout's keys give them.
    const QString text(QChar(letter).toLower());
    const auto code = static_cast<Qt::Key>(QChar(letter).toUpper().unicode());
    QWidget* focus = QApplication::focusWidget();
    QTest::sendKeyEvent(QTest::Press, focus, code, text, Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), code, text, Qt::AltModifier);
    QCoreApplication::processEvents();
  }
  void Click(Role button) override { QTest::mouseClick(Widget(button), Qt::LeftButton); }
  void Write(Role box, std::u16string_view text) override {
    Widget<NumberEdit>(box)->WriteProgramText(ToQString(text));
  }

  Text TextOf(Role role) override {
    QWidget* widget = Widget(role);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      return FromQString(line->text());
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
      return FromQString(plain->toPlainText());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      return FromQString(label->text());
    }
    return FromQString(qobject_cast<QPushButton*>(widget)->text());
  }
  bool ReadOnly(Role box) override {
    if (auto* plain = Widget<QPlainTextEdit>(box)) {
      return plain->isReadOnly();
    }
    return Box(box)->isReadOnly();
  }
  int Caret(Role box) override { return Box(box)->cursorPosition(); }
  Rect RectOf(Role role) override {
    const QRect r = Widget(role)->geometry();
    return {r.left(), r.top(), r.width(), r.height()};
  }
  bool Shown(Role role) override { return Widget(role) != nullptr && Widget(role)->isVisible(); }
  FontInfo FontOf(Role role) override {
    const QFont font = Widget(role)->font();
    return {FromQString(font.family()), font.pointSize()};
  }
  Capture Grab() override {
    QImage image = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (image.size() != window_->size()) {
      image = image.scaled(window_->size());
    }
    Capture capture{image.width(), image.height(), {}};
    capture.pixels.reserve(static_cast<std::size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        capture.pixels.push_back({static_cast<std::uint8_t>(qRed(p)),
                                  static_cast<std::uint8_t>(qGreen(p)),
                                  static_cast<std::uint8_t>(qBlue(p))});
      }
    }
    return capture;
  }
  int ListsShown() override {
    int shown = 0;
    for (const QListView* list : window_->findChildren<QListView*>()) {
      shown += list->isVisible() ? 1 : 0;
    }
    return shown;
  }
  bool ScrollsVertically(Role box) override {
    auto* plain = Widget<QPlainTextEdit>(box);
    return plain->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn &&
           plain->verticalScrollBar()->maximum() > 0;
  }
  Text AccessibleNameOf(Role role) override {
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(Widget(role));
    return object == nullptr ? Text() : FromQString(object->text(QAccessible::Name));
  }

  std::vector<Text> Items() override {
    std::vector<Text> items;
    const QAbstractItemModel* model = Results()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      items.push_back(FromQString(model->index(row, 0).data().toString()));
    }
    return items;
  }
  int SelectedCount() override {
    return static_cast<int>(Results()->selectionModel()->selectedRows().size());
  }
  int CurrentRow() override { return Results()->currentIndex().row(); }
  void SelectRows(const std::vector<int>& rows) override {
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (const int row : rows) {
      const QModelIndex index = Results()->model()->index(row, 0);
      Results()->scrollTo(index);
      QTest::mouseClick(Results()->viewport(), Qt::LeftButton, modifiers,
                        Results()->visualRect(index).center());
      modifiers = Qt::ControlModifier;
    }
  }
  std::vector<std::pair<Text, bool>> ResultsMenu() override {
    std::vector<std::pair<Text, bool>> offered;
    QTimer::singleShot(0, window_.get(), [&offered] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) {
        return;
      }
      for (const QAction* action : menu->actions()) {
        offered.emplace_back(FromQString(action->text()), action->isEnabled());
      }
      menu->close();
    });
    QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(),
                               Results()->mapToGlobal(QPoint()));
    QApplication::sendEvent(Results()->viewport(), &menu_key);
    return offered;
  }

  std::vector<Text> ClipboardLines() override {
    std::vector<Text> lines;
    for (const QString& line : QApplication::clipboard()->text().split(QLatin1Char('\n'))) {
      lines.push_back(FromQString(line));
    }
    return lines;
  }
  void SetClipboard(std::u16string_view text) override {
    QApplication::clipboard()->setText(ToQString(text));
  }

  std::pair<Text, Text> ReportOf(const std::function<void()>& action) override {
    std::pair<Text, Text> report;
    QTimer::singleShot(0, window_.get(), [&report] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        report = {FromQString(box->windowTitle()), FromQString(box->text())};
        box->accept();
      }
    });
    action();
    return report;
  }
  bool ModalOpen() override {
    return QApplication::activeModalWidget() != nullptr ||
           QApplication::activePopupWidget() != nullptr;
  }

 private:
  std::unique_ptr<MainFormWindow> window_;
};

}  // namespace
}  // namespace dd::testing
