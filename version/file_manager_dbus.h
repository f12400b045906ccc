#pragma once
// The desktop's file manager over D-Bus, which shows a file's properties on
// Linux desktops.
#include "version/show_properties_dialog.h"

class QDBusConnection;

// Asks the desktop's file manager (org.freedesktop.FileManager1 on `bus`) to
// show the properties of `path` and returns at once. `answered` gets false on
// an error reply, a bus that is not connected or no reply within `timeoutMs`;
// it is never called once `context` is gone.
void askFileManager(const QDBusConnection& bus, const QString& path, QObject* context,
                    const FileManagerAnswer& answered, int timeoutMs);
// The same on the session bus, giving the bus time to start a file manager.
void askSessionFileManager(const QString& path, QObject* context, const FileManagerAnswer& answered);
