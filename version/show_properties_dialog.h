#pragma once
// Showing a file's properties to the user: the system's properties sheet on
// Windows; elsewhere the desktop's file manager, or the program's own window
// where no file manager answers. The sheet lives on by itself: the program
// never waits for it, nor for the answer to its request.
#include <QString>
#include <functional>

class QDBusConnection;
class QObject;
class QWidget;

// Asks for the properties of `path` to be shown, owned by `owner`, and
// returns at once; false when nothing will be shown because the file is
// missing (or, on Windows, the shell refused). No message is ever given.
bool mostrarPropiedades(const QString& path, QWidget* owner);

// Off Windows. Whether the file manager shows the properties, told once and
// later, from the event loop.
using FileManagerAnswer = std::function<void(bool shown)>;
using FileManagerRequest =
    std::function<void(const QString& path, QObject* context, const FileManagerAnswer& answered)>;

// Asks the desktop's file manager (org.freedesktop.FileManager1 on `bus`) to
// show the properties of `path` and returns at once. `answered` gets false on
// an error reply, a bus that is not connected or no reply within `timeoutMs`;
// it is never called once `context` is gone.
void askFileManager(const QDBusConnection& bus, const QString& path, QObject* context,
                    const FileManagerAnswer& answered, int timeoutMs);
// The same on the session bus, giving the bus time to start a file manager.
void askSessionFileManager(const QString& path, QObject* context, const FileManagerAnswer& answered);

// The choice behind mostrarPropiedades off Windows: `fileManager` is asked
// first; when it does not show them, the program's own window opens, not
// modal, owned by `owner` and deleted when closed.
bool showProperties(const QString& path, QWidget* owner, const FileManagerRequest& fileManager);
