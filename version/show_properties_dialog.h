#pragma once
// Showing a file's properties to the user: the system's properties sheet on
// Windows; elsewhere the desktop's file manager, or the program's own window
// where no file manager answers.
#include <QString>
#include <functional>

class QWidget;

enum class PropertiesShownBy { Nobody, System, Program };

// Shows the properties of `path`, owned by `owner`; nothing is shown, and no
// message given, when the file is missing.
PropertiesShownBy mostrarPropiedades(const QString& path, QWidget* owner);

// Off Windows: asks the desktop's file manager (org.freedesktop.FileManager1
// on the session bus) to show the properties of `path`; false when none answers.
bool askFileManager(const QString& path);

// The choice behind mostrarPropiedades off Windows: `fileManager` first, the
// program's own window (run modally) when it does not answer.
PropertiesShownBy showProperties(const QString& path, QWidget* owner,
                                 const std::function<bool(const QString&)>& fileManager);
