// Qt widgets behind the control operations.
#pragma once

#include <QAbstractListModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdint>

#include "window/controls.h"

namespace dd {

// A control text as a QString; both are UTF-16, so this only copies.
QString ToQString(std::u16string_view text);

// A one-line number box. The user may type or paste at most `max_typed`
// characters; text the program writes is never cut, however long.
class LineEditTextBox final : public TextBox {
 public:
  LineEditTextBox(ControlId id, FaultInjector& faults, QLineEdit& edit, int max_typed);
  ~LineEditTextBox() override { QObject::disconnect(follow_edits_); }

  bool Locked() const override { return edit_.isReadOnly(); }

 protected:
  Text ReadText() const override;
  void WriteText(std::u16string_view text) override;
  void WriteLocked(bool locked) override { edit_.setReadOnly(locked); }

 private:
  // Never below the current length: lowering QLineEdit's limit under it
  // would cut the text.
  void FitLimitTo(int length);

  QLineEdit& edit_;
  int max_typed_;
  QMetaObject::Connection follow_edits_;
};

// A multi-line text box.
class PlainTextTextBox final : public TextBox {
 public:
  PlainTextTextBox(ControlId id, FaultInjector& faults, QPlainTextEdit& edit)
      : TextBox(id, faults), edit_(edit) {}

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
  std::uint64_t presented_revision_ = 0;
  int presented_count_ = 0;
};

}  // namespace dd
