// The result list on screen: read-only, with the selection and copying that
// people expect of a list they want to take numbers out of.
#pragma once

#include <QListView>
#include <vector>

#include "window/controls.h"

namespace dd {

class ResultList final : public QListView {
  Q_OBJECT

 public:
  // Shows `list`, which the model set on it presents.
  ResultList(const ListBox& list, QWidget* parent);

  // Puts the selected items on the clipboard, as the model copies them.
  void CopySelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Whether each item is selected, in list order.
  std::vector<bool> Selected() const;

  const ListBox& list_;
};

}  // namespace dd
