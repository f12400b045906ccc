// The desktop's file manager over the session bus (Linux desktops).
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "version/show_properties_dialog.h"

bool askFileManager(const QString& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
  call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)}
       << QString();
  constexpr int replyTimeoutMs = 5000;  // long enough for the bus to start a file manager
  return bus.call(call, QDBus::Block, replyTimeoutMs).type() == QDBusMessage::ReplyMessage;
}
