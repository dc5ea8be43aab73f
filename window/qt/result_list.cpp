#include "window/qt/result_list.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <vector>

namespace dd {

ResultList::ResultList(QWidget* parent) : QListView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
}

QString ResultList::SelectedText() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      rows.push_back(row);
    }
  }
  // Ranges come in the order they were selected; the copy is in list order.
  std::sort(rows.begin(), rows.end());
  QString text;
  for (const int row : rows) {
    if (!text.isEmpty()) {
      text += QLatin1Char('\n');
    }
    text += model()->index(row, 0).data().toString();
  }
  return text;
}

void ResultList::CopySelection() const {
  if (selectionModel()->hasSelection()) {
    QGuiApplication::clipboard()->setText(SelectedText());
  }
}

void ResultList::keyPressEvent(QKeyEvent* event) {
  // QListView copies only the current item.
  if (event == QKeySequence::Copy) {
    CopySelection();
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("&Копиране"), this, &ResultList::CopySelection);
  copy->setShortcut(QKeySequence::Copy);
  copy->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
  copy->setEnabled(selectionModel()->hasSelection());
  QAction* select_all =
      menu.addAction(QStringLiteral("Избиране на &всичко"), this, &QListView::selectAll);
  select_all->setShortcut(QKeySequence::SelectAll);
  select_all->setIcon(QIcon::fromTheme(QStringLiteral("edit-select-all")));
  select_all->setEnabled(model()->rowCount() > 0);
  // From the keyboard, the menu opens at the current item rather than
  // wherever the mouse happens to be.
  QPoint at = event->globalPos();
  if (event->reason() == QContextMenuEvent::Keyboard) {
    const QRect item = visualRect(currentIndex());
    at = viewport()->mapToGlobal(item.isValid() ? item.bottomLeft() : QPoint(0, 0));
  }
  menu.exec(at);
}

}  // namespace dd
