#include "version/file_manager_dbus.h"
#include "version/show_properties_dialog.h"

bool mostrarPropiedades(const QString& path, QWidget* owner) {
  return showProperties(path, owner, askSessionFileManager);
}
