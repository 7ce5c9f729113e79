#!/usr/bin/env bash
# Puts the English and Hebrew screenshots of each window side by side, one row per state, in one
# contact sheet per window: SHEETS/<window>.png. A screenshot's Hebrew twin has "-he" where its
# name has "-en". The window is the folder's name (main_panel, tray), or in the windows folder
# the first word of the file name (remap, advanced, onboarding, hint, keyboard).
set -euo pipefail
root=${1:?usage: contact_sheets.sh SCREENSHOTS SHEETS}
sheets=${2:?usage: contact_sheets.sh SCREENSHOTS SHEETS}
command -v convert >/dev/null || { echo "contact_sheets: ImageMagick's convert is missing" >&2; exit 1; }
mkdir -p "$sheets"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rows=0
while IFS= read -r english; do
    hebrew=${english/-en/-he}
    [[ -f $hebrew ]] || { echo "contact_sheets: no Hebrew twin of $english" >&2; exit 1; }
    folder=$(basename "$(dirname "$english")")
    name=$(basename "$english" .png)
    window=$folder
    [[ $folder == windows ]] && window=${name%%-*}
    mkdir -p "$work/$window"
    convert "$english" "$hebrew" -background white \
        -bordercolor white -border 6 +append +repage "$work/$window/$name.png"
    rows=$((rows + 1))
done < <(find "$root" -path "$sheets" -prune -o -name '*-en*.png' -print | sort)

[[ $rows -gt 0 ]] || { echo "contact_sheets: no screenshots under $root" >&2; exit 1; }
for dir in "$work"/*/; do
    window=$(basename "$dir")
    convert "$dir"*.png -background white -gravity west -append +repage "$sheets/$window.png"
done
echo "contact_sheets: $rows rows in $(ls "$sheets" | wc -l) sheets under $sheets"
