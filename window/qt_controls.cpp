#include "window/qt_controls.h"

#include <algorithm>

namespace dd {

QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

LineEditTextBox::LineEditTextBox(ControlId id, FaultInjector& faults, QLineEdit& edit,
                                 int max_typed)
    : TextBox(id, faults), edit_(edit), max_typed_(max_typed) {
  FitLimitTo(static_cast<int>(edit_.text().size()));
  // After a user's edit the limit follows the text down again, so that a long
  // text written by the program can be shortened but not lengthened.
  follow_edits_ =
      QObject::connect(&edit_, &QLineEdit::textEdited, &edit_,
                       [this](const QString& text) { FitLimitTo(static_cast<int>(text.size())); });
}

Text LineEditTextBox::ReadText() const {
  return edit_.text().toStdU16String();
}

void LineEditTextBox::WriteText(std::u16string_view text) {
  const QString shown = ToQString(text);
  // Raise the limit first, so that setText cannot cut the program's text.
  edit_.setMaxLength(std::max(
      {max_typed_, static_cast<int>(shown.size()), static_cast<int>(edit_.text().size())}));
  edit_.setText(shown);
  FitLimitTo(static_cast<int>(shown.size()));
}

void LineEditTextBox::FitLimitTo(int length) {
  edit_.setMaxLength(std::max(max_typed_, length));
}

void PlainTextTextBox::WriteText(std::u16string_view text) {
  edit_.setPlainText(ToQString(text));
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : presented_count_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
    return {};
  }
  if (!index.isValid() || index.row() >= presented_count_) {
    return {};
  }
  return ToQString(list_.ItemView(static_cast<std::size_t>(index.row())));
}

void ListBoxModel::Present() {
  if (list_.Revision() == presented_revision_) {
    return;
  }
  beginResetModel();
  presented_count_ = list_.ListCount();
  presented_revision_ = list_.Revision();
  endResetModel();
}

}  // namespace dd
