#!/usr/bin/env bash
# Brings the translation catalogues up to date with the sources: every text
# the code gives to tr() or QCoreApplication::translate() gets an entry, and
# entries whose text is gone from the code are marked vanished. Run it after
# changing a message, then translate what lupdate marked unfinished.
#   areas: window (src/ui, src/print, src/aspects), base (src/core, src/book, src/platform),
#          companion (app); languages uk and en complete, ru only the forms
#          of counted words (Russian is the language of the source).
# Usage: tools/update_catalogues.sh [SOURCE_ROOT [CATALOGUE_DIR]]
#   (default: the repository and its translations/ folder; an area with no
#   catalogues in CATALOGUE_DIR is left alone). LUPDATE names the tool.
set -euo pipefail
root=$(cd "${1:-"$(dirname "$0")/.."}" && pwd -P)
catalogues=$(cd "${2:-"$root/translations"}" && pwd -P)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

declare -A folders=(
    [window]="src/ui src/print src/aspects"
    [base]="src/core src/book src/platform"
    [companion]="app"
)

cd "$root"
status=0
for file in "$catalogues"/zemtar_*_*.ts; do
    [[ -e $file ]] || continue
    name=$(basename "$file" .ts)
    lang=${name##*_}
    area=${name#zemtar_}
    area=${area%_*}
    if [[ -z ${folders[$area]:-} ]]; then
        echo "$file: no sources are known for the area \"$area\"" >&2
        status=1
        continue
    fi
    only=()
    [[ $lang == ru ]] && only=(-pluralonly)
    # -I src: lupdate then knows the classes of the headers, and is quiet.
    # shellcheck disable=SC2086 # the folders are words on purpose
    "$lupdate" -silent -locations none -source-language ru -target-language "$lang" \
        "${only[@]}" -I src ${folders[$area]} -ts "$file"
done
exit $status
