#!/usr/bin/env bash
# Screenshots of the main window in every language of the catalogue, to check that no text is
# clipped and no glyph is a box: OUT_DIR/main-<code>.png at 96 DPI, and main-<code>-144dpi.png
# for the languages in NEVRA_SHOT_144 (default "de jp").
#   scripts/shot-languages.sh EXE [OUT_DIR]     (default docs/screenshots)
# Environment:
#   NEVRA_SHOT_LANGUAGES="de fr"   only these languages at 96 DPI (default: all)
#   NEVRA_SHOT_144="de jp"         the languages shot at 144 DPI ("" for none)
# Needs the Noto fonts (fonts-noto-core, fonts-noto-cjk) for Arabic and the CJK scripts;
# scripts/wine-env.sh links them to Wine's stand-in for the window's font.
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 EXE [OUT_DIR]" >&2
  exit 2
fi
exe=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${2:-$root/docs/screenshots}" && cd "${2:-$root/docs/screenshots}" && pwd)
# English first, then the catalogue's languages by code.
all_codes=$(python3 -c 'import json,pathlib,sys; print(" ".join(["en"] + sorted(json.loads(p.read_text(encoding="utf-8"))["code"] for p in pathlib.Path(sys.argv[1]).glob("*.json") if p.name != "en.json")))' "$root/assets/translations")
codes=${NEVRA_SHOT_LANGUAGES:-$all_codes}
codes_144=${NEVRA_SHOT_144-de jp}

shoot() {  # code dpi file
  NEVRA_SHOT_DPI=$2 \
  NEVRA_SHOT_SETUP="wine reg add 'HKCU\\Software\\Nevra Auto Clicker' /v CurrentLanguage /d $1 /f >/dev/null 2>&1" \
    "$root/scripts/shot.sh" "$exe" "$3"
}
for code in $codes; do shoot "$code" 96 "$out/main-$code.png"; done
for code in $codes_144; do shoot "$code" 144 "$out/main-$code-144dpi.png"; done
