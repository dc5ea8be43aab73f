// Tells a screen reader, in a few words, what a command did, without changing
// anything on screen.
#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace dd {

class Announcer {
 public:
  // Announces on behalf of `window`, which must outlive the announcer.
  explicit Announcer(QWidget& window);
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;

  // Hands `message` to the screen reader, if one is listening.
  void Announce(const QString& message);

 private:
  QWidget& window_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  // Qt cannot announce by itself before 6.8: an empty, unfocusable child
  // that a screen reader sees as a notification speaks instead (see
  // announcer.cpp).
  QWidget* notification_ = nullptr;
#endif
};

}  // namespace dd
