#!/bin/sh
# Quita Tiqueron del menú de aplicaciones de este usuario. La carpeta del
# programa, con sus archivos, queda como está.
datos=${XDG_DATA_HOME:-$HOME/.local/share}
rm -f "$datos/applications/tiqueron.desktop" "$datos/icons/hicolor/scalable/apps/tiqueron.svg"
command -v update-desktop-database >/dev/null && update-desktop-database "$datos/applications" 2>/dev/null || true
echo "Tiqueron ya no está en el menú de aplicaciones."
