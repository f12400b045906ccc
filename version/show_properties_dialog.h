#pragma once
// Showing a file's properties to the user: the system's properties sheet,
// through Windows' shell or the desktop's file manager, or the program's own
// window where they do not show it. The sheet lives on by itself: the program
// never waits for it, nor for the answer to its request.
#include <QString>
#include <functional>

class QObject;
class QWidget;

// Asks for the properties of `path` to be shown, owned by `owner`, and
// returns at once; false when nothing will be shown because the file is
// missing. No message is ever given.
bool mostrarPropiedades(const QString& path, QWidget* owner);

// Whether the system shows the properties, told once, at once or later from
// the event loop.
using FileManagerAnswer = std::function<void(bool shown)>;
using FileManagerRequest =
    std::function<void(const QString& path, QObject* context, const FileManagerAnswer& answered)>;

// The choice behind mostrarPropiedades: `fileManager` (Windows' shell or the
// desktop's file manager) is asked first; when it does not show them, the
// program's own window opens, not modal, owned by `owner` and deleted when
// closed.
bool showProperties(const QString& path, QWidget* owner, const FileManagerRequest& fileManager);
