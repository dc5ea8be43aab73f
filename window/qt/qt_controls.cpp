#include "window/qt/qt_controls.h"

namespace dd {

QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
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
  beginResetModel();
  presented_count_ = list_.ListCount();
  endResetModel();
}

}  // namespace dd
