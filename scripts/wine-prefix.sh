# Sourced: sets up the Wine of the Windows tests in the prefix $WINEPREFIX
# (made on first use): no crash dialog (backtraces go to standard error), the
# fonts the program names mapped to installed ones, and poppler's tools
# within reach of the Windows test programs through WINEPATH.
# Wine has none of the Windows fonts, and its PostScript driver crashes on a
# font without TrueType outlines.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wine wineboot -i >/dev/null 2>&1
  wineserver -w
fi
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
for pair in "Arial=Liberation Sans" "MS Sans Serif=Liberation Sans" "Courier New=Liberation Mono" \
  "Lucida Console=DejaVu Sans Mono" "Tahoma=DejaVu Sans" "MS Shell Dlg=DejaVu Sans" \
  "MS Shell Dlg 2=DejaVu Sans"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f \
    >/dev/null 2>&1
done
# Wine runs this machine's own programs when they carry a Windows name.
mkdir -p "$WINEPREFIX/unix-tools"
for tool in pdftoppm pdftotext; do ln -sf "$(command -v $tool)" "$WINEPREFIX/unix-tools/$tool.exe"; done
WINEPATH="$(winepath -w "$WINEPREFIX/unix-tools")"
export WINEPATH
# Qt's offscreen platform, which the test programs use, reads the fonts of one
# folder on Windows rather than the system's: the same families the Linux
# tests get from fontconfig.
mkdir -p "$WINEPREFIX/offscreen-fonts"
for family in "Liberation Sans" "Liberation Mono" "DejaVu Sans" "DejaVu Sans Mono"; do
  fc-list -f '%{file}\n' ":family=$family" | while read -r font; do
    ln -sf "$font" "$WINEPREFIX/offscreen-fonts/$(basename "$font")"
  done
done
QT_QPA_FONTDIR="$(winepath -w "$WINEPREFIX/offscreen-fonts")"
export QT_QPA_FONTDIR
