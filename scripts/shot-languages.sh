#!/usr/bin/env bash
# Screenshots of the main window in every language of the catalogue, to check that no text is
# clipped: docs/languages/<code>.png at 96 DPI, and <code>-144dpi.png for German and Japanese.
#   scripts/shot-languages.sh EXE [OUT_DIR]
# Needs the Noto fonts (fonts-noto-core, fonts-noto-cjk) for Arabic and the CJK scripts.
set -euo pipefail
exe=$(realpath "$1")
out=${2:-docs/languages}
mkdir -p "$out"
cd "$(dirname "$0")/.."
codes=$(python3 -c 'import json,pathlib; print(" ".join(["en"] + sorted(json.loads(p.read_text(encoding="utf-8"))["code"] for p in pathlib.Path("assets/translations").glob("*.json") if p.name != "en.json")))')
shoot() {  # code dpi file
  NEVRA_SHOT_DPI=$2 \
  NEVRA_SHOT_SETUP="wine reg add 'HKCU\\Software\\Nevra Auto Clicker' /v CurrentLanguage /d $1 /f >/dev/null 2>&1" \
    scripts/shot.sh "$exe" "$3"
}
for code in $codes; do shoot "$code" 96 "$out/$code.png"; done
for code in de jp; do shoot "$code" 144 "$out/$code-144dpi.png"; done
