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
# Wine runs this machine's own programs when they carry a Windows name: the
# test programs run poppler's tools through this machine's shell.
mkdir -p "$WINEPREFIX/unix-tools"
rm -f "$WINEPREFIX/unix-tools/"*.exe
ln -sf "$(command -v sh)" "$WINEPREFIX/unix-tools/sh.exe"
WINEPATH="$(winepath -w "$WINEPREFIX/unix-tools")"
export WINEPATH
# Qt's offscreen platform, which the test programs use, reads the fonts of one
# folder on Windows rather than the system's. It gets the faces fontconfig
# gives the Linux tests for the fonts the program names (the monospaced ones
# as monospaced, as the program asks), and TIQUERON_FUENTES maps the names.
mkdir -p "$WINEPREFIX/offscreen-fonts"
TIQUERON_FUENTES=""
for pattern in "Arial" "MS Sans Serif" "Courier New:spacing=100" "Lucida Console:spacing=100"; do
  family=$(fc-match -f '%{family[0]}' "$pattern")
  TIQUERON_FUENTES+="${pattern%%:*}=$family;"
  fc-list -f '%{file}\n' ":family=$family" | while read -r font; do
    ln -sf "$font" "$WINEPREFIX/offscreen-fonts/$(basename "$font")"
  done
done
export TIQUERON_FUENTES
# Wine keeps Qt's own variables (QT_*) from Windows programs; it passes one
# as WINEQT_*.
WINEQT_QPA_FONTDIR="$(winepath -w "$WINEPREFIX/offscreen-fonts")"
export WINEQT_QPA_FONTDIR
