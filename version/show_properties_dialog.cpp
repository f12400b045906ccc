#include "version/show_properties_dialog.h"

#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "version/properties_dialog.h"

bool showProperties(const QString& path, QWidget* owner, const FileManagerRequest& fileManager) {
  if (!QFileInfo(path).isFile()) return false;
  fileManager(path, owner, [path, window = QPointer<QWidget>(owner), owned = owner != nullptr](bool shown) {
    // A window closed meanwhile gets no sheet.
    if (shown || (owned && !window)) return;
    std::unique_ptr<QDialog> dialog = buildPropertiesDialog(path, window);
    // The file may have gone meanwhile.
    if (!dialog) return;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog.release()->show();
  });
  return true;
}
