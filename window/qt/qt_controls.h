// Qt widgets behind the control operations.
#pragma once

#include <QAbstractListModel>
#include <QPlainTextEdit>
#include <cstdint>

#include "window/controls.h"
#include "window/qt/number_edit.h"

namespace dd {

// A control text as a QString; both are UTF-16, so this only copies.
QString ToQString(std::u16string_view text);
// A QString's characters, viewed without copying; valid while it is unchanged.
inline std::u16string_view ToView(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A one-line number box. The user may type or paste at most a few
// characters; text the program writes is never cut, however long.
class LineEditTextBox final : public TextBox {
 public:
  LineEditTextBox(ControlId id, ControlHook* const& hook, NumberEdit& edit)
      : TextBox(id, hook), edit_(edit) {}

  bool Locked() const override { return edit_.isReadOnly(); }

 protected:
  Text ReadText() const override { return edit_.text().toStdU16String(); }
  void WriteText(std::u16string_view text) override { edit_.WriteProgramText(ToQString(text)); }
  void WriteLocked(bool locked) override { edit_.setReadOnly(locked); }

 private:
  NumberEdit& edit_;
};

// A multi-line text box.
class PlainTextTextBox final : public TextBox {
 public:
  PlainTextTextBox(ControlId id, ControlHook* const& hook, QPlainTextEdit& edit)
      : TextBox(id, hook), edit_(edit) {}

  bool Locked() const override { return edit_.isReadOnly(); }

 protected:
  Text ReadText() const override { return edit_.toPlainText().toStdU16String(); }
  void WriteText(std::u16string_view text) override;
  void WriteLocked(bool locked) override { edit_.setReadOnly(locked); }

 private:
  QPlainTextEdit& edit_;
};

// Shows a ListBox in a list view. The logic adds items one by one to the
// ListBox; the view learns of them in one batch when Present() is called
// after a handler has run, so that a screen reader hears one change, not
// thousands. Items are read from the ListBox as the view draws them.
class ListBoxModel final : public QAbstractListModel {
 public:
  explicit ListBoxModel(const ListBox& list) : list_(list) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  void Present();

 private:
  const ListBox& list_;
  int presented_count_ = 0;
};

}  // namespace dd
