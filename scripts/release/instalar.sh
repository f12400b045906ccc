#!/bin/sh
# Añade Tiqueron al menú de aplicaciones de este usuario, sin ser root.
# Esta carpeta es la carpeta del programa: en ella quedan la calibración y
# los archivos de apuestas, así que no la mueva después de instalar.
set -e
carpeta=$(cd "$(dirname "$0")" && pwd)
datos=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$datos/applications" "$datos/icons/hicolor/scalable/apps"
cp "$carpeta/tiqueron.svg" "$datos/icons/hicolor/scalable/apps/tiqueron.svg"
sed "s|@CARPETA@|$carpeta|g" "$carpeta/tiqueron.desktop" >"$datos/applications/tiqueron.desktop"
command -v update-desktop-database >/dev/null && update-desktop-database "$datos/applications" 2>/dev/null || true
echo "Tiqueron está en el menú de aplicaciones (Oficina)."
