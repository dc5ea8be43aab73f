#include "window/qt/main_form_window.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "window/presentation.h"
#include "window/qt/number_edit.h"
#include "window/qt/result_list.h"
#include "window/texts.h"

namespace dd {
namespace {

// The design's pixels are Qt's device-independent ones: 96 to the inch.
constexpr int kLogicalDpi = 96;

QColor ToQColor(const design::Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// A designed background comes with its own text colour, whatever the
// desktop theme's: a dark theme's light text would be unreadable on it.
// Controls left to the platform draw on their own base colour and follow
// the theme.
void FillBackground(QWidget& widget, const design::Rgb& background, const design::Rgb& text) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, ToQColor(background));
  palette.setColor(QPalette::WindowText, ToQColor(text));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

// A style sheet, so the button keeps its colours under every widget style;
// its border as wide as the design's at `zoom`.
QString ButtonStyle(const present::Shades& shades, int zoom) {
  const auto border = std::lround(1.0 * shades.border_width * zoom / zoom::kDesigned);
  return QStringLiteral(
             "QPushButton { background-color: %1; color: %4; border: %6px outset %2; }"
             "QPushButton:pressed { background-color: %3; border-style: inset; }"
             "QPushButton:focus { border: %6px solid %5; }")
      .arg(ToQColor(shades.face).name(), ToQColor(shades.border).name(),
           ToQColor(shades.pressed).name(), ToQColor(shades.text).name(),
           ToQColor(shades.focused).name(), QString::number(border));
}

// The platform's style, with the scroll bars of a zoomed window as wide as
// at a DPI that much higher, as the rest of the design is.
class ZoomedScrollBars final : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int extent = QProxyStyle::pixelMetric(metric, option, widget);
    const auto* window =
        widget != nullptr ? dynamic_cast<const MainFormWindow*>(widget->window()) : nullptr;
    if (metric != PM_ScrollBarExtent || window == nullptr) {
      return extent;
    }
    return extent * window->ZoomPercent() / zoom::kDesigned;
  }
};

// The scroll bars of a scroll area zoomed with their window. The one style
// lives as long as the application, whatever window is made and closed.
void ZoomWithTheWindow(QAbstractScrollArea& area) {
  static QStyle* const style = [] {
    auto* made = new ZoomedScrollBars;
    made->setParent(qApp);
    return made;
  }();
  area.verticalScrollBar()->setStyle(style);
  area.horizontalScrollBar()->setStyle(style);
}

}  // namespace

QFont DesignedFont(int percent) {
  const present::Window& window = present::TheWindow();
  QFont font(ToQString(window.font_family));
  if (percent == zoom::kDesigned) {
    font.setPointSize(window.font_points);
  } else {
    font.setPointSizeF(window.font_points * percent / 100.0);
  }
  font.setWeight(QFont::Normal);
  // Where Times New Roman is missing, fontconfig picks its metric twin,
  // Liberation Serif; the hint keeps any other substitute a serif face.
  font.setStyleHint(QFont::Serif);
  return font;
}

MainFormWindow::MainFormWindow(ControlHook* hook) : QWidget(nullptr), WindowHost(hook) {
  setFont(DesignedFont());
  Start();
  // Zoom keys and wheel turns are taken before the control they come to.
  qApp->installEventFilter(this);
}

void MainFormWindow::Arrange() {
  for (const present::Control& shown : present::Controls()) {
    QWidget& widget = *widgets_[shown.role];
    if (shown.background && shown.widget != present::Widget::Button) {
      FillBackground(widget, *shown.background, shown.text_colour);
    }
    // Named after its control, so that tests and tools can find it.
    widget.setObjectName(QString::fromStdString(shown.object_name));
    widget.setAccessibleName(ToQString(shown.name));
    // A caption points to the box it names: its access key moves the focus
    // there.
    if (shown.box) {
      static_cast<QLabel&>(widget).setBuddy(widgets_[*shown.box]);
    }
  }
  const present::Window& window = present::TheWindow();
  setWindowTitle(ToQString(window.caption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/distinct-digits.png")));
  // A window of a fixed size offers no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  FillBackground(*this, window.background, window.text_colour);
  ApplyFocusOrder();
  LayOut();
}

std::pair<std::unique_ptr<TextBox>, QWidget*> MainFormWindow::MakeTextBox(
    design::Role role, ControlId id, ControlHook* const& hook) {
  const present::Control& shown = present::Of(role);
  if (shown.widget == present::Widget::TextArea) {
    auto* edit = new QPlainTextEdit(ToQString(shown.text), this);
    edit->setReadOnly(shown.read_only);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ZoomWithTheWindow(*edit);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return {std::make_unique<PlainTextTextBox>(id, hook, *edit), edit};
  }
  auto* edit = new NumberEdit(ToQString(shown.text), static_cast<int>(shown.max_typed), this);
  edit->setAlignment(shown.centred ? Qt::AlignCenter : Qt::AlignLeft);
  edit->setReadOnly(shown.read_only);
  connect(edit, &QLineEdit::returnPressed, this, [this, role = shown.role] { Enter(role); });
  return {std::make_unique<LineEditTextBox>(id, hook, *edit), edit};
}

QWidget* MainFormWindow::MakeWidget(design::Role role, Control& control) {
  const present::Control& shown = present::Of(role);
  switch (shown.widget) {
    case present::Widget::Title:
    case present::Widget::Caption: {
      auto* label = new QLabel(ToQString(shown.text), this);
      label->setAlignment(shown.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case present::Widget::List: {
      const auto& list = static_cast<const ListBox&>(control);
      results_model_ = std::make_unique<ListBoxModel>(list);
      auto* view = new ResultList(list, this);
      ZoomWithTheWindow(*view);
      view->setModel(results_model_.get());
      return view;
    }
    case present::Widget::Button: {
      auto* button = new QPushButton(ToQString(shown.text), this);
      // Return and Enter press a focused button, as Space does.
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, role = shown.role] { Press(role); });
      button->installEventFilter(this);
      return button;
    }
    case present::Widget::NumberBox:
    case present::Widget::TextArea:
      break;  // made by MakeTextBox
  }
  return nullptr;
}

bool MainFormWindow::eventFilter(QObject* watched, QEvent* event) {
  // A button's access key clicks it at once. Qt would show the press for a
  // tenth of a second first and click then, after keys typed meanwhile:
  // Alt+Т, Alt+Н and a number typed fast would see the number cleared.
  if (event->type() == QEvent::Shortcut) {
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
      button->click();
      return true;
    }
  }
  // Ctrl with a zoom key or the wheel, in this window: the text boxes'
  // own zoom on the wheel included, the whole window zooms instead.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == this || isAncestorOf(widget))) {
      if (const std::optional<zoom::Command> command = ZoomCommandOf(event)) {
        Zoom(*command);
        return true;
      }
      if (event->type() == QEvent::Wheel &&
          static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier) {
        return true;  // a part of a notch: no zoom yet, and no other use
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

std::optional<zoom::Command> MainFormWindow::ZoomCommandOf(QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) {
      return std::nullopt;
    }
    return wheel_.Turn(wheel->angleDelta().y());
  }
  // Ctrl, with or without Shift (which types '+' on many keyboards), from
  // the main keyboard or the keypad; not with Alt, which AltGr is too.
  auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers =
      key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (modifiers != Qt::ControlModifier) {
    return std::nullopt;
  }
  switch (key->key()) {
    case Qt::Key_Plus:
      return zoom::CommandOfKey(u'+');
    case Qt::Key_Equal:
      return zoom::CommandOfKey(u'=');
    case Qt::Key_Minus:
      return zoom::CommandOfKey(u'-');
    case Qt::Key_0:
      return zoom::CommandOfKey(u'0');
    default:
      return std::nullopt;
  }
}

void MainFormWindow::Zoom(zoom::Command command) {
  const QScreen* shown_on = screen();
  const QRect available = shown_on != nullptr ? shown_on->availableGeometry() : QRect();
  const QSize frame = frameGeometry().size() - size();
  const int next = zoom::After(command, zoom_,
                               zoom::LargestFitting(available.width(), available.height(),
                                                    frame.width(), frame.height(), kLogicalDpi));
  if (next == zoom_) {
    return;
  }
  zoom_ = next;
  LayOut();
  // A window grown past the screen's edge is moved back onto it.
  QRect outer = frameGeometry();
  if (!available.isEmpty() && !available.contains(outer)) {
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    move(outer.topLeft());
  }
}

void MainFormWindow::LayOut() {
  const QFont font = DesignedFont(zoom_);
  setFont(font);
  for (const present::Control& shown : present::Controls()) {
    QWidget& widget = *widgets_[shown.role];
    const present::Rect r = shown.At(kLogicalDpi, zoom_);
    widget.setGeometry(r.left, r.top, r.width, r.height);
    if (shown.shades) {
      widget.setStyleSheet(ButtonStyle(*shown.shades, zoom_));
      // A widget with a style sheet keeps the font it was polished with.
      widget.setFont(font);
    }
  }
  const present::Rect client = present::TheWindow().At(kLogicalDpi, zoom_);
  setFixedSize(client.width, client.height);
  AlignCaptionsWithTheirBoxes();
}

void MainFormWindow::ApplyFocusOrder() {
  QWidget* previous = nullptr;
  for (const design::Role role : present::TheWindow().focus_order) {
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, widgets_[role]);
    }
    previous = widgets_[role];
  }
}

void MainFormWindow::MoveFocus(design::Role role) {
  widgets_[role]->setFocus();
}

void MainFormWindow::AlignCaptionsWithTheirBoxes() {
  // A caption's text stands on the baseline of its box's text. The box
  // centres its line in its contents as QLineEdit does; the caption, in the
  // same font, puts the top of its line at the same height.
  for (const present::Control& shown : present::Controls()) {
    if (!shown.box) {
      continue;
    }
    auto* label = static_cast<QLabel*>(widgets_[shown.role]);
    auto* box = static_cast<NumberEdit*>(widgets_[*shown.box]);
    const int line_top = box->y() + box->TextLineTop() - label->y();
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setContentsMargins(0, std::max(line_top, 0), 0, 0);
  }
}

void MainFormWindow::PresentResults(const ListBox&) {
  results_model_->Present();
}

void MainFormWindow::Report(const Text& message) {
  QMessageBox box(QMessageBox::Warning, ToQString(texts::kErrorTitle), ToQString(message),
                  QMessageBox::Ok, this);
  box.setWindowModality(Qt::WindowModal);
  box.exec();
}

void MainFormWindow::Announce(const Text& announcement) {
  announcer_.Announce(ToQString(announcement));
}

}  // namespace dd
