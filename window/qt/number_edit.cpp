#include "window/qt/number_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>

#include "window/qt/qt_controls.h"
#include "window/typing_limit.h"

namespace dd {

NumberEdit::NumberEdit(const QString& text, int max_typed, QWidget* parent)
    : QLineEdit(text, parent), max_typed_(max_typed), accepted_(text) {
  // The typing limit is the validator's business. QLineEdit's own maxLength
  // stays at its default: in Qt 6.4 every change of it sets the text again,
  // which sends the caret to the end and forgets the undo history.
  setValidator(new Rule(*this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& now) { accepted_ = now; });
}

void NumberEdit::WriteProgramText(const QString& text) {
  writing_ = true;
  setText(text);
  writing_ = false;
  // QLineEdit leaves the caret at the end and scrolls there; a text too long
  // for the box would show only its tail, so the caret goes to the start.
  // A text that fits keeps the caret at its end, as after any setText.
  if (!Fits(text)) {
    setCursorPosition(0);
  }
}

QRect NumberEdit::TextArea() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, this)
      .marginsRemoved(textMargins());
}

int NumberEdit::TextLineTop() const {
  const QRect area = TextArea();
  // As QLineEdit centres its line.
  return area.y() + (area.height() - fontMetrics().height() + 1) / 2;
}

bool NumberEdit::Fits(const QString& text) const {
  // QLineEdit keeps two pixels clear on either side of its text.
  return fontMetrics().horizontalAdvance(text) <= TextArea().width() - 4;
}

QValidator::State NumberEdit::Rule::validate(QString& input, int&) const {
  if (edit_.writing_ || edit_.restoring_) {
    return Acceptable;
  }
  const bool allowed = IsAllowedEdit(ToView(edit_.accepted_), ToView(input),
                                     static_cast<std::size_t>(edit_.max_typed_));
  return allowed ? Acceptable : Invalid;
}

int NumberEdit::KeptLength() const {
  return static_cast<int>(text().size()) - selectionLength();
}

QString NumberEdit::Fitted(const QString& inserted, int kept) const {
  return ToQString(FitInsertion(ToView(inserted), static_cast<std::size_t>(kept),
                                static_cast<std::size_t>(max_typed_)));
}

bool NumberEdit::InsertCut(const QString& pasted, int kept) {
  const QString fitted = Fitted(pasted, kept);
  if (fitted.size() == pasted.size()) {
    return false;
  }
  insert(fitted);
  return true;
}

void NumberEdit::Restore(bool redo) {
  restoring_ = true;
  redo ? QLineEdit::redo() : QLineEdit::undo();
  restoring_ = false;
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Undo || event == QKeySequence::Redo) {
    // Undo and redo return to texts the box held before, long ones included.
    restoring_ = true;
    QLineEdit::keyPressEvent(event);
    restoring_ = false;
    return;
  }
  if (event == QKeySequence::Paste && !isReadOnly()) {
    // Ctrl+Shift+Insert pastes the X11 selection, every other paste key the
    // clipboard, as in QLineEdit.
    const bool selection = event->key() == Qt::Key_Insert &&
                           event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           QGuiApplication::clipboard()->supportsSelection();
    const QString pasted = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection
                                                                        : QClipboard::Clipboard);
    if (InsertCut(pasted, KeptLength())) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void NumberEdit::contextMenuEvent(QContextMenuEvent* event) {
  // QLineEdit's own menu, with Undo, Redo and Paste routed through the
  // typing limit. Its actions are known by their (translated) texts: Qt 6.4
  // gives them no object names.
  auto is = [](const QAction* action, const char* source) {
    return action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(source);
  };
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    if (is(action, "&Undo") || is(action, "&Redo")) {
      disconnect(action, &QAction::triggered, this, nullptr);
      const bool redo = is(action, "&Redo");
      connect(action, &QAction::triggered, this, [this, redo] { Restore(redo); });
    } else if (is(action, "&Paste")) {
      disconnect(action, &QAction::triggered, this, nullptr);
      connect(action, &QAction::triggered, this, [this] {
        if (!InsertCut(QGuiApplication::clipboard()->text(QClipboard::Clipboard), KeptLength())) {
          paste();
        }
      });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void NumberEdit::mouseReleaseEvent(QMouseEvent* event) {
  // A middle click pastes the X11 selection where it was clicked.
  if (event->button() == Qt::MiddleButton && !isReadOnly() &&
      QGuiApplication::clipboard()->supportsSelection()) {
    deselect();
    if (InsertCut(QGuiApplication::clipboard()->text(QClipboard::Selection),
                  static_cast<int>(text().size()))) {
      event->accept();
      return;
    }
  }
  QLineEdit::mouseReleaseEvent(event);
}

void NumberEdit::dropEvent(QDropEvent* event) {
  // A text dragged in from elsewhere lands at the drop point beside the
  // whole text; a text moved within the box keeps its length.
  const QString dropped = event->mimeData()->text();
  if (event->source() == this || isReadOnly() || dropped.isEmpty()) {
    QLineEdit::dropEvent(event);
    return;
  }
  const QString fitted = Fitted(dropped, static_cast<int>(text().size()));
  if (fitted.size() == dropped.size()) {
    QLineEdit::dropEvent(event);
    return;
  }
  QMimeData data;
  data.setText(fitted);
  QDropEvent fitted_event(event->position(), event->possibleActions(), &data, event->buttons(),
                          event->modifiers(), event->type());
  fitted_event.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&fitted_event);
  event->setDropAction(fitted_event.dropAction());
  event->setAccepted(fitted_event.isAccepted());
}

}  // namespace dd
