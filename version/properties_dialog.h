#pragma once
// The program's own properties window for a file, shown where the desktop
// offers none: name, folder, size, dates and the texts of the version record.
#include <QString>
#include <memory>

class QDialog;
class QWidget;

// The window, not modal, owned by `owner` and not yet shown; none when
// `path` is not an existing file.
std::unique_ptr<QDialog> buildPropertiesDialog(const QString& path, QWidget* owner);
