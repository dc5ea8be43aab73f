// The result list on screen: read-only, with the selection and copying that
// people expect of a list they want to take numbers out of.
#pragma once

#include <QListView>

namespace dd {

class ResultList final : public QListView {
  Q_OBJECT

 public:
  explicit ResultList(QWidget* parent);

  // The selected items' texts, one a line, in list order.
  QString SelectedText() const;
  // Puts SelectedText() on the clipboard.
  void CopySelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace dd
