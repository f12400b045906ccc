// The desktop's file manager over D-Bus (Linux desktops).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "version/file_manager_dbus.h"

namespace {

// Long enough for the bus to start a file manager that is not running yet.
constexpr int sessionReplyTimeoutMs = 5000;

}  // namespace

void askFileManager(const QDBusConnection& bus, const QString& path, QObject* context,
                    const FileManagerAnswer& answered, int timeoutMs) {
  // A call on a bus that is not connected would never finish.
  if (!bus.isConnected()) {
    QMetaObject::invokeMethod(
        context ? context : QCoreApplication::instance(), [answered] { answered(false); },
        Qt::QueuedConnection);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
  call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)}
       << QString();
  // Owned by the context, so that the answer dies with it.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [answered](QDBusPendingCallWatcher* finished) {
                     finished->deleteLater();
                     answered(!finished->isError());
                   });
}

void askSessionFileManager(const QString& path, QObject* context, const FileManagerAnswer& answered) {
  askFileManager(QDBusConnection::sessionBus(), path, context, answered, sessionReplyTimeoutMs);
}
