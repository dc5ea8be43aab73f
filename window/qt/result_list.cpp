#include "window/qt/result_list.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QTimer>
#include <vector>

#include "window/presentation.h"
#include "window/qt/qt_controls.h"
#include "window/texts.h"

namespace dd {

ResultList::ResultList(const ListBox& list, QWidget* parent) : QListView(parent), list_(list) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
}

std::vector<bool> ResultList::Selected() const {
  std::vector<bool> selected(static_cast<std::size_t>(model()->rowCount()));
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      selected[static_cast<std::size_t>(row)] = true;
    }
  }
  return selected;
}

void ResultList::CopySelection() const {
  if (selectionModel()->hasSelection()) {
    QGuiApplication::clipboard()->setText(ToQString(present::CopyOf(list_, Selected())));
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

void ResultList::focusInEvent(QFocusEvent* event) {
  const bool had_current = currentIndex().isValid();
  QListView::focusInEvent(event);
  // Reached with the keyboard while it holds numbers and none is current,
  // the list makes the first one current, as a list box does, and Down goes
  // on to the second. Qt tells a screen reader of the list's focus only
  // after this handler, which would drown out the item: the item is told of
  // once the focus has settled, so that the reader says the number.
  if (!had_current && event->reason() != Qt::MouseFocusReason && model()->rowCount() > 0) {
    selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    QTimer::singleShot(0, this, [this] {
      if (hasFocus() && currentIndex().isValid() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex().row());
        QAccessible::updateAccessibility(&focus);
      }
    });
  }
  viewport()->update();
}

void ResultList::focusOutEvent(QFocusEvent* event) {
  QListView::focusOutEvent(event);
  viewport()->update();
}

void ResultList::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  // The frame that shows the list has the keyboard focus, empty or not: not
  // every style draws one around a list view.
  if (hasFocus()) {
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
  }
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const std::size_t selected = static_cast<std::size_t>(selectionModel()->selectedRows().size());
  for (const present::MenuItem& item :
       present::ResultsMenu(selected, static_cast<std::size_t>(model()->rowCount()))) {
    const bool copy = item.command == texts::ListCommand::Copy;
    QAction* action = menu.addAction(ToQString(item.text));
    action->setShortcut(copy ? QKeySequence::Copy : QKeySequence::SelectAll);
    action->setIcon(
        QIcon::fromTheme(copy ? QStringLiteral("edit-copy") : QStringLiteral("edit-select-all")));
    action->setEnabled(item.enabled);
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
