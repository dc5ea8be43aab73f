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

#include "window/qt/qt_controls.h"
#include "window/texts.h"

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
  for (const texts::MenuItem& item : texts::kResultsMenu) {
    const bool copy = item.command == texts::ListCommand::Copy;
    QAction* action = menu.addAction(ToQString(item.text));
    action->setShortcut(copy ? QKeySequence::Copy : QKeySequence::SelectAll);
    action->setIcon(
        QIcon::fromTheme(copy ? QStringLiteral("edit-copy") : QStringLiteral("edit-select-all")));
    action->setEnabled(copy ? selectionModel()->hasSelection() : model()->rowCount() > 0);
    connect(action, &QAction::triggered, this,
            [this, copy] { copy ? CopySelection() : selectAll(); });
  }
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
