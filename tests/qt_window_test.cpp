// The Qt window on an X server: the shared window scenarios over the Qt
// driver, and what only the Qt window has (its line edits compared with a
// plain QLineEdit, the X11 selection, themes, Qt's own texts, the AT-SPI
// bridge).
#include "tests/qt_driver.h"

namespace dd::testing {

std::unique_ptr<WindowDriver> MakeWindowDriver(ControlHook& hook) {
  return std::make_unique<QtDriver>(hook);
}

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

// What only the Qt window has, on the same driver.
class QtWindow : public WindowScenario {
 protected:
  // Waits for Qt's accessibility bridge to come up on the bus.
  static bool AccessibilityBridgeIsOn() {
    for (int wait = 0; wait < 100 && !QAccessible::isActive(); ++wait) {
      QTest::qWait(50);
    }
    return QAccessible::isActive();
  }
  QtDriver& qt() { return static_cast<QtDriver&>(*window); }
  QLineEdit* Box(Role role) { return qt().Box(role); }
};

TEST_F(QtWindow, ShowsItsIconAndResolvesTheFontToItsMetricTwin) {
  EXPECT_FALSE(qt().Window().windowIcon().isNull());
  // Where Times New Roman is missing, fontconfig gives Liberation Serif.
  for (const design::ControlDesign& d : design::kControls) {
    if (!d.hidden) {
      EXPECT_EQ(QFontInfo(qt().Widget(d.role)->font()).family(), QStringLiteral("Liberation Serif"))
          << NameOf(d.role);
    }
  }
}

// Zoomed to 200 %, the scroll bars too are as wide as at twice the DPI.
TEST_F(QtWindow, ScrollBarsZoomWithTheWindow) {
  auto* task = qt().Widget<QPlainTextEdit>(Role::TaskStatement);
  const int designed = task->verticalScrollBar()->width();
  for (int step = 0; step < 4; ++step) {
    window->Zoom(ZoomGesture::CtrlPlus);
  }
  ASSERT_EQ(qt().Window().ZoomPercent(), 200);
  EXPECT_EQ(task->verticalScrollBar()->width(), 2 * designed);
  EXPECT_EQ(qt().Results()->verticalScrollBar()->sizeHint().width(), 2 * designed);
}

TEST_F(QtWindow, AProgramWriteThatFitsLeavesTheCaretAtTheEndAsSetTextDoes) {
  window->Click(Role::Compute);
  EXPECT_EQ(Box(Role::StartBox)->cursorPosition(), 4);
}

// The same keys, pressed in a number box and in a plain QLineEdit limited
// to four characters, leave the same text, caret, selection and undo state.
TEST_F(QtWindow, NumberBoxesEditLikeAPlainLineEdit) {
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
  for (const Role role : {Role::StartBox, Role::EndBox, Role::CountBox}) {
    QLineEdit plain;
    plain.setMaxLength(4);
    QLineEdit* box = Box(role);
    box->setFocus();
    for (std::size_t step = 0; step < keys.size(); ++step) {
      QTest::keyClick(&plain, keys[step].first, keys[step].second);
      QTest::keyClick(box, keys[step].first, keys[step].second);
      SCOPED_TRACE(NameOf(role) + ", key " + std::to_string(step));
      EXPECT_EQ(box->text(), plain.text());
      EXPECT_EQ(box->cursorPosition(), plain.cursorPosition());
      EXPECT_EQ(box->selectedText(), plain.selectedText());
      EXPECT_EQ(box->isUndoAvailable(), plain.isUndoAvailable());
      EXPECT_EQ(box->isRedoAvailable(), plain.isRedoAvailable());
    }
  }
}

TEST_F(QtWindow, TheContextMenusPasteAndTheMiddleClickKeepToTheTypingLimit) {
  QLineEdit* box = Box(Role::StartBox);
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("12"));
  // The context menu's Paste keeps to the same rules, and its Undo is on.
  QApplication::clipboard()->setText(QStringLiteral("56\n789"));
  box->selectAll();
  QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                             box->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(box, &menu_key);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  auto action = [menu](const char* text) {
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QLineEdit::tr(text))) {
        return action;
      }
    }
    return static_cast<QAction*>(nullptr);
  };
  ASSERT_TRUE(action("&Undo") != nullptr && action("&Paste") != nullptr);
  EXPECT_TRUE(action("&Undo")->isEnabled());
  action("&Paste")->trigger();
  menu->close();
  EXPECT_EQ(box->text(), QStringLiteral("5678"));

  // A middle click pastes the X11 selection by the same rules.
  if (QApplication::clipboard()->supportsSelection()) {
    QLineEdit* end = Box(Role::EndBox);
    QApplication::clipboard()->setText(QStringLiteral("123456"), QClipboard::Selection);
    QTest::mouseClick(end, Qt::MiddleButton);
    EXPECT_EQ(end->text(), QStringLiteral("1234"));
  }
}

TEST_F(QtWindow, EveryTextIsReadableUnderDefaultDarkAndHighContrastLooks) {
  window->Click(Role::Compute);
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
      QWidget* widget = qt().Widget(d.role);
      if (widget == nullptr) {
        continue;
      }
      // Inside the frames and borders, on the area the text is drawn on.
      auto* area = qobject_cast<QAbstractScrollArea*>(widget);
      const double contrast = area != nullptr
                                  ? TextContrast(*area->viewport(), 0)
                                  : TextContrast(*widget, d.kind == design::Kind::Label ? 0 : 4);
      EXPECT_GE(contrast, 4.5) << NameOf(d.role) << " under the " << look << " look";
    }
  }
}

TEST_F(QtWindow, QtsOwnMenusAndButtonsSpeakBulgarian) {
  ASSERT_TRUE(InstallQtTranslation());
  auto is_bulgarian = [](const QString& text) {
    bool cyrillic = false;
    for (QChar c : text) {
      if (c.script() == QChar::Script_Latin) {
        return false;
      }
      cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
    }
    return cyrillic;
  };
  const std::unique_ptr<QMenu> box_menu(Box(Role::StartBox)->createStandardContextMenu());
  const std::unique_ptr<QMenu> statement_menu(
      qt().Widget<QPlainTextEdit>(Role::TaskStatement)->createStandardContextMenu());
  for (QMenu* menu : {box_menu.get(), statement_menu.get()}) {
    EXPECT_GT(menu->actions().size(), 2);
    for (const QAction* action : menu->actions()) {
      const QString text = action->text().section(QLatin1Char('\t'), 0, 0);  // no shortcut
      EXPECT_TRUE(action->isSeparator() || is_bulgarian(text)) << text.toStdString();
    }
  }
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  for (const QAbstractButton* button : buttons.buttons()) {
    EXPECT_TRUE(is_bulgarian(button->text())) << button->text().toStdString();
  }
}

TEST_F(QtWindow, ResultListExposesItsItemsToScreenReadersAndCaptionsPointToTheirBoxes) {
  window->Click(Role::Compute);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(qt().Results());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->childCount(), 504);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("1023"));
  EXPECT_EQ(list->child(503)->text(QAccessible::Name), QStringLiteral("1987"));
  for (const design::CaptionOfBox& named : design::kBoxCaptions) {
    EXPECT_EQ(qt().Widget<QLabel>(named.caption)->buddy(), qt().Widget(named.box));
  }
}

// Needs Qt's accessibility bridge on an AT-SPI bus (ctest's
// window_announcements runs it so); without one Qt sends no accessibility
// events at all.
TEST_F(QtWindow, ScreenReadersHearComputeAndClearButNotMovingAround) {
  if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
    GTEST_SKIP() << "no accessibility bus";
  }
  ASSERT_TRUE(AccessibilityBridgeIsOn());
  QStringList announcements;
  heard = &announcements;
  QAccessible::installUpdateHandler(ListenForAnnouncements);
  const auto stop = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
  for (std::size_t step = 0; step < design::kFocusOrder.size(); ++step) {
    window->Press(Key::Tab);
  }
  EXPECT_TRUE(announcements.isEmpty());
  // Compute and clear from the keyboard, then compute one number by mouse.
  window->Focus(Role::Compute);
  window->Press(Key::Space);
  window->Press(Key::Tab);
  window->Press(Key::Space);
  window->Write(Role::StartBox, u"1023");
  window->Write(Role::EndBox, u"1023");
  window->Click(Role::Compute);
  EXPECT_EQ(announcements,
            QStringList({ToQString(texts::ComputedAnnouncement(u"1000", u"2000", 504)),
                         ToQString(texts::ClearedAnnouncement()),
                         ToQString(texts::ComputedAnnouncement(u"1023", u"1023", 1))}));
  // A command that fails says so in its message box, not in an announcement.
  hook.FailOn("List1", 1, ControlOperation::AddItem);
  window->ReportOf([this] { window->Click(Role::Compute); });
  EXPECT_EQ(announcements.size(), 3);
}

// Where a screen reader is told the focus is, last: the object's name and
// the child (-1 for the object itself).
std::pair<std::string, int>* last_focus = nullptr;
void ListenForFocus(QAccessibleEvent* event) {
  if (event->type() == QAccessible::Focus && event->object() != nullptr) {
    *last_focus = {event->object()->objectName().toStdString(), event->child()};
  }
}

TEST_F(QtWindow, ScreenReadersHearTheFirstNumberWhenTheListTakesTheFocus) {
  if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
    GTEST_SKIP() << "no accessibility bus";
  }
  ASSERT_TRUE(AccessibilityBridgeIsOn());
  window->Click(Role::Compute);
  window->Focus(Role::TaskStatement);
  std::pair<std::string, int> focus;
  last_focus = &focus;
  QAccessible::installUpdateHandler(ListenForFocus);
  const auto stop = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
  window->Press(Key::Tab);
  QTest::qWait(50);
  EXPECT_EQ(focus, std::make_pair(NameOf(Role::Results), 0));
}

}  // namespace
}  // namespace dd::testing

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
