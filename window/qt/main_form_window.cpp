#include "window/qt/main_form_window.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

#include "window/announcement.h"
#include "window/form_design.h"
#include "window/qt/number_edit.h"
#include "window/qt/result_list.h"

namespace dd {
namespace {

QColor ToQColor(const design::Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// A designed background comes with black text, whatever the desktop theme's
// text colour: a dark theme's light text would be unreadable on it. Controls
// left to the platform draw on their own base colour and follow the theme.
void FillBackground(QWidget& widget, const design::Rgb& rgb) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, ToQColor(rgb));
  palette.setColor(QPalette::WindowText, Qt::black);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

// A style sheet, so the button keeps its colour under every widget style.
QString ButtonStyle(const design::Rgb& rgb) {
  const QColor face = ToQColor(rgb);
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
             "QPushButton:pressed { background-color: %3; border-style: inset; }"
             "QPushButton:focus { border: 2px solid black; }")
      .arg(face.name(), face.darker(130).name(), face.darker(115).name());
}

}  // namespace

QFont DesignedFont() {
  QFont font(QString::fromUtf8(design::kFontFamily.data(),
                               static_cast<qsizetype>(design::kFontFamily.size())));
  font.setPointSize(design::kFontPoints);
  font.setWeight(QFont::Normal);
  // Where Times New Roman is missing, fontconfig picks its metric twin,
  // Liberation Serif; the hint keeps any other substitute a serif face.
  font.setStyleHint(QFont::Serif);
  return font;
}

MainFormWindow::MainFormWindow(ControlHook* hook) : QWidget(nullptr) {
  controls_.SetHook(hook);
  setFont(DesignedFont());
  BuildControls(controls_, *this);
  form_.emplace(controls_);
  setWindowTitle(ToQString(design::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/distinct-digits.png")));
  setFixedSize(design::Pixels(design::kClientWidth), design::Pixels(design::kClientHeight));
  FillBackground(*this, design::kWindowBackground);
  ApplyFocusOrder();
  NameForAssistiveTechnology();
  // Return or Enter in the start or the end box computes, as the compute
  // button does when clicked.
  auto* compute = static_cast<QPushButton*>(WidgetOf("Command1", 0));
  for (const std::int16_t box : {std::int16_t{0}, std::int16_t{1}}) {
    connect(static_cast<QLineEdit*>(WidgetOf("Text2", box)), &QLineEdit::returnPressed, compute,
            &QPushButton::click);
  }
  RunHandler([this] { form_->Form_Load(); });
}

std::unique_ptr<TextBox> MainFormWindow::MakeTextBox(const design::ControlDesign& d, ControlId id,
                                                     ControlHook* const& hook) {
  if (d.multi_line) {
    auto* edit = new QPlainTextEdit(ToQString(d.text), this);
    edit->setReadOnly(d.read_only);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    last_text_box_ = edit;
    return std::make_unique<PlainTextTextBox>(id, hook, *edit);
  }
  auto* edit = new NumberEdit(ToQString(d.text), d.max_typed, this);
  edit->setAlignment(d.centred ? Qt::AlignCenter : Qt::AlignLeft);
  edit->setReadOnly(d.read_only);
  last_text_box_ = edit;
  return std::make_unique<LineEditTextBox>(id, hook, *edit);
}

void MainFormWindow::Added(const design::ControlDesign& d, Control& control) {
  QWidget* widget = nullptr;
  switch (d.kind) {
    case design::Kind::Label: {
      auto* label = new QLabel(ToQString(d.text), this);
      label->setAlignment(d.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      widget = label;
      break;
    }
    case design::Kind::ListBox: {
      if (d.hidden) {
        return;  // the digit list works unseen: it needs no widget
      }
      results_model_ = std::make_unique<ListBoxModel>(static_cast<ListBox&>(control));
      auto* view = new ResultList(this);
      view->setModel(results_model_.get());
      widget = view;
      break;
    }
    case design::Kind::TextBox:
      widget = last_text_box_;
      break;
    case design::Kind::CommandButton: {
      auto* button = new QPushButton(ToQString(d.text), this);
      // Return and Enter press a focused button, as Space does.
      button->setAutoDefault(true);
      auto& command = static_cast<CommandButton&>(control);
      connect(button, &QPushButton::clicked, this, [this, &command] {
        if (RunHandler([&command] { command.Click(); })) {
          AnnounceCommand(command.id().index);
        }
      });
      widget = button;
      break;
    }
  }
  widget->setGeometry(design::Pixels(d.left), design::Pixels(d.top), design::Pixels(d.width),
                      design::Pixels(d.height));
  if (d.background != nullptr) {
    if (d.kind == design::Kind::CommandButton) {
      widget->setStyleSheet(ButtonStyle(*d.background));
    } else {
      FillBackground(*widget, *d.background);
    }
  }
  // Named after its control, so that tests and tools can find it.
  widget->setObjectName(
      QStringLiteral("%1(%2)").arg(QLatin1String(d.array.data(), d.array.size())).arg(d.index));
  widgets_[{d.array, d.index}] = widget;
}

void MainFormWindow::ApplyFocusOrder() {
  QWidget* previous = nullptr;
  for (const design::ControlRef& ref : design::kFocusOrder) {
    QWidget* widget = WidgetOf(ref.array, ref.index);
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, widget);
    }
    previous = widget;
  }
  WidgetOf(design::kFocusOrder.front().array, design::kFocusOrder.front().index)->setFocus();
}

void MainFormWindow::NameForAssistiveTechnology() {
  // Each number box is named by the label beside it, and the label points to it.
  for (std::int16_t box = 0; box < controls_.Text2.Count(); ++box) {
    auto* label = static_cast<QLabel*>(WidgetOf("Label1", static_cast<std::int16_t>(box + 1)));
    QWidget* edit = WidgetOf("Text2", box);
    label->setBuddy(edit);
    edit->setAccessibleName(label->text());
  }
  for (std::int16_t i = 0; i < controls_.Command1.Count(); ++i) {
    WidgetOf("Command1", i)->setAccessibleName(ToQString(controls_.Command1(i).Caption()));
  }
  WidgetOf("List1", 0)->setAccessibleName(QStringLiteral("Числа с различни цифри"));
  WidgetOf("Text1", 0)->setAccessibleName(QStringLiteral("Условие на задачата"));
  WidgetOf("Label1", 0)->setAccessibleName(ToQString(controls_.Label1(0).Caption()));
}

QWidget* MainFormWindow::WidgetOf(std::string_view array, std::int16_t index) const {
  const auto found = widgets_.find({array, index});
  return found == widgets_.end() ? nullptr : found->second;
}

bool MainFormWindow::RunHandler(const std::function<void()>& handler) {
  QString failure;
  try {
    handler();
  } catch (const std::exception& error) {
    failure = QString::fromUtf8(error.what());
  }
  // Show whatever the handler left, finished or not, before any message.
  results_model_->Present();
  if (!failure.isEmpty()) {
    ReportError(failure);
    return false;
  }
  return true;
}

void MainFormWindow::AnnounceCommand(std::int16_t button) {
  auto box_text = [this](std::int16_t box) {
    return static_cast<QLineEdit*>(WidgetOf("Text2", box))->text();
  };
  if (button == 0) {
    const QString start = box_text(0);
    const QString end = box_text(1);
    announcer_.Announce(
        ToQString(ComputedAnnouncement(ToView(start), ToView(end), form_->FoundCount)));
  } else if (button == 1) {
    announcer_.Announce(ToQString(ClearedAnnouncement()));
  }
}

void MainFormWindow::ReportError(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Грешка"),
                  QStringLiteral("Действието не можа да завърши.\n%1").arg(message),
                  QMessageBox::Ok, this);
  box.setWindowModality(Qt::WindowModal);
  box.exec();
}

}  // namespace dd
