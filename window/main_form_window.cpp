#include "window/main_form_window.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

#include "window/form_design.h"

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

// The controls must exist before the form, which wires their buttons, so the
// form's initialiser builds them first.
MainFormWindow::MainFormWindow() : QWidget(nullptr), form_((BuildControls(), controls_)) {
  setWindowTitle(ToQString(design::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/distinct-digits.png")));
  setFixedSize(design::Pixels(design::kClientWidth), design::Pixels(design::kClientHeight));
  FillBackground(*this, design::kWindowBackground);
  ApplyFocusOrder();
  NameForAssistiveTechnology();
}

void MainFormWindow::BuildControls() {
  setFont(DesignedFont());

  for (const design::ControlDesign& d : design::kControls) {
    QWidget* widget = nullptr;
    switch (d.kind) {
      case design::Kind::Label: {
        auto* label = new QLabel(ToQString(d.text), this);
        label->setAlignment(d.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        widget = label;
        controls_.Add<Label>(controls_.Label1, d.text);
        break;
      }
      case design::Kind::ListBox: {
        ListBox& list = controls_.Add<ListBox>(controls_.List1, d.sorted);
        if (d.hidden) {
          break;  // the digit list works unseen: it needs no widget
        }
        results_model_ = std::make_unique<ListBoxModel>(list);
        auto* view = new QListView(this);
        view->setModel(results_model_.get());
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setUniformItemSizes(true);
        widget = view;
        break;
      }
      case design::Kind::TextBox: {
        ControlArray<TextBox>& array = d.array == "Text1" ? controls_.Text1 : controls_.Text2;
        if (d.multi_line) {
          auto* edit = new QPlainTextEdit(ToQString(d.text), this);
          edit->setReadOnly(d.read_only);
          edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
          edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
          edit->setTabChangesFocus(true);
          edit->setFocusPolicy(Qt::StrongFocus);
          edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
          controls_.Add<PlainTextTextBox>(array, *edit);
          widget = edit;
        } else {
          auto* edit = new QLineEdit(ToQString(d.text), this);
          edit->setAlignment(d.centred ? Qt::AlignCenter : Qt::AlignLeft);
          edit->setReadOnly(d.read_only);
          controls_.Add<LineEditTextBox>(array, *edit, d.max_typed);
          widget = edit;
        }
        break;
      }
      case design::Kind::CommandButton: {
        auto* button = new QPushButton(ToQString(d.text), this);
        const std::int16_t index = controls_.Command1.Count();
        controls_.Add<CommandButton>(controls_.Command1, d.text);
        QObject::connect(button, &QPushButton::clicked, this, [this, index] {
          if (RunHandler([this, index] { controls_.Command1(index).Click(); })) {
            AnnounceCommand(index);
          }
        });
        widget = button;
        break;
      }
    }
    if (widget == nullptr) {
      continue;
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
    widgets_[{d.array, d.index}] = widget;
  }
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

void MainFormWindow::Load() {
  RunHandler([this] { form_.Form_Load(); });
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
    announcer_.Announce(ComputedAnnouncement(box_text(0), box_text(1), form_.FoundCount));
  } else if (button == 1) {
    announcer_.Announce(ClearedAnnouncement());
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
