# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine on a virtual X display.
#   nevra_wine_up     a fresh Wine prefix in a temporary folder and an Xvfb of our own
#   nevra_wine_down   stops exactly what nevra_wine_up started and removes the folder
#   nevra_wait_until TENTHS COMMAND...
#                     runs COMMAND every tenth of a second until it succeeds (status 0) or
#                     TENTHS tries have failed (status 1)
# With NEVRA_DISPLAY set (for example ":0"), that display is used instead of a new Xvfb.
# Nothing here touches the machine's own display, network or user profile.

nevra_wait_until() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

nevra_wine_up() {
  NEVRA_WINE_TMP=$(mktemp -d "${TMPDIR:-/tmp}/nevra-wine.XXXXXX")
  export WINEPREFIX="$NEVRA_WINE_TMP/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  NEVRA_XVFB_PID=""
  if [ -n "${NEVRA_DISPLAY:-}" ]; then
    export DISPLAY="$NEVRA_DISPLAY"
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$NEVRA_WINE_TMP/display" >/dev/null 2>&1 &
    NEVRA_XVFB_PID=$!
    nevra_wait_until 100 test -s "$NEVRA_WINE_TMP/display" || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(head -n1 "$NEVRA_WINE_TMP/display")"
    export DISPLAY
  fi
  wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
  # No window manager runs on Xvfb: let Wine draw frames and captions itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crash must fail the run, not wait for someone to close Wine's crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  nevra_wine_fonts
  wineserver -w
}

# The one font that draws the program under Wine, and the Debian package that has it. The window
# asks for "Segoe UI" and message boxes for "MS Shell Dlg", neither of which Wine has; left to
# itself, Wine asks fontconfig for a stand-in, which differs from machine to machine (Liberation
# Sans where fonts-liberation happens to be installed, the taller and wider DejaVu Sans on a fresh
# Debian). The layout check measures every caption, so the prefix names the stand-in itself.
# Exported: the layout check makes sure this is the font the window really gets.
export NEVRA_UI_FONT="Liberation Sans" NEVRA_UI_FONT_PACKAGE="fonts-liberation"

# Maps the Windows UI fonts to NEVRA_UI_FONT through Wine's font substitutes. That font has no
# Arabic or CJK glyphs, and Wine's own fallback list names only Windows fonts, so those languages
# would show boxes: Wine honours the Windows font-link list, keyed by the family it picked, so
# link it to the Noto fonts of fonts-noto-core and fonts-noto-cjk. Wine 8 looks a bold font's
# links up under its full name ("Liberation Sans Bold"), so the group captions need an entry of
# their own.
nevra_wine_fonts() {
  local fallbacks=("NotoSansCJK-Regular.ttc,Noto Sans CJK JP" "NotoSansArabic-Regular.ttf,Noto Sans Arabic")
  local file="$NEVRA_WINE_TMP/fonts.reg" family data="" entry
  # REG_MULTI_SZ in a REGEDIT4 file: the bytes of each entry and its NUL, then a final NUL.
  for entry in "${fallbacks[@]}"; do data+="$entry"$'\x01'; done
  data=$(printf '%s\x01' "$data" | tr '\001' '\000' | od -An -tx1 -v | tr -s ' \n' ',,')
  data=${data#,}
  data=${data%,}
  {
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\n'
    for family in "Segoe UI" "MS Shell Dlg" "MS Shell Dlg 2"; do printf '"%s"="%s"\n' "$family" "$NEVRA_UI_FONT"; done
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\n'
    for family in "$NEVRA_UI_FONT" "$NEVRA_UI_FONT Bold"; do printf '"%s"=hex(7):%s\n' "$family" "$data"; done
  } >"$file"
  # Wine's drive Z: is the Unix root.
  wine reg import "Z:${file//\//\\}" >/dev/null 2>&1
}

nevra_wine_down() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${NEVRA_XVFB_PID:-}" ]; then
    kill "$NEVRA_XVFB_PID" 2>/dev/null || true
    wait "$NEVRA_XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "${NEVRA_WINE_TMP:-}" ]; then rm -rf "$NEVRA_WINE_TMP"; fi
  NEVRA_WINE_TMP="" NEVRA_XVFB_PID=""
}
