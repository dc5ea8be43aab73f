#include "window/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>

// Qt 6.8 and later announce a text directly: the AT-SPI bridge passes a
// QAccessibleAnnouncementEvent on as an announcement, which screen readers
// speak. Earlier versions (Debian 12 has Qt 6.4) have no such event, and
// there a changed name or description of the focused control is sent without
// its new text, so Orca says nothing. What those readers do speak is an
// object of the notification role that starts showing: the window keeps an
// empty child of that role, names it with the message and hides and shows
// it again for each announcement.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#define DD_QT_ANNOUNCES 1
#else
#define DD_QT_ANNOUNCES 0
#endif

namespace dd {

#if !DD_QT_ANNOUNCES
namespace {

// The notification child: no size, no focus, nothing drawn.
class NotificationWidget final : public QWidget {
 public:
  explicit NotificationWidget(QWidget& parent) : QWidget(&parent) {
    setObjectName(QStringLiteral("dd-announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();  // shown by the first announcement, not with the window
  }
};

class NotificationAccessible final : public QAccessibleWidget {
 public:
  explicit NotificationAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Notification) {}
};

// Qt asks the factory installed last first; anything but the notification
// child is left to Qt's own interfaces.
QAccessibleInterface* NotificationFactory(const QString& /*class_name*/, QObject* object) {
  if (dynamic_cast<NotificationWidget*>(object) != nullptr) {
    return new NotificationAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace
#endif

Announcer::Announcer(QWidget& window) : window_(window) {
#if !DD_QT_ANNOUNCES
  // Installed once, after the application exists, so that it is asked
  // before Qt's own widget factory.
  static const bool installed = [] {
    QAccessible::installFactory(NotificationFactory);
    return true;
  }();
  Q_UNUSED(installed);
  notification_ = new NotificationWidget(window_);
#endif
}

void Announcer::Announce(const QString& message) {
  if (!QAccessible::isActive()) {
    return;  // no screen reader listens
  }
#if DD_QT_ANNOUNCES
  QAccessibleAnnouncementEvent event(&window_, message);
  QAccessible::updateAccessibility(&event);
#else
  notification_->hide();
  notification_->setAccessibleName(message);
  notification_->show();
#endif
}

}  // namespace dd
