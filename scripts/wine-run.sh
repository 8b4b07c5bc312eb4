#!/usr/bin/env bash
# Runs a program of the Windows build under Wine (Debian's wine64): in a Wine prefix of the
# project's own (made at the first run), without Wine's debug chatter, with
# Qt, SQLite, zlib and the MinGW runtime found where scripts/windows.sh built
# or Debian installed them. CMake runs the Windows tests through it.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zemtar-windows
export WINEPREFIX=${ZEMTAR_WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No offer to install Wine's .NET and browser: nothing here needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
loader=/usr/lib/wine/wine64

windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

qt=${ZEMTAR_WINDOWS_PREFIX:-}
if [ -z "$qt" ]; then
    qt=$(find "$cache" -maxdepth 1 -name 'qt-*' -type d | sort | tail -n 1)
fi
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
paths=("$qt/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)
winepath=
for p in "${paths[@]}"; do
    winepath+="$(windows_path "$p");"
done
# ZEMTAR_WINE_BARE=1: nothing added, for a program that must bring its own
# libraries (the installed one).
if [ "${ZEMTAR_WINE_BARE:-}" != 1 ]; then
    export WINEPATH="${winepath%;}"
    # Qt's offscreen platform (the tests', the companion's) reads its fonts on
    # Windows from one folder of font files, not from the system; without it
    # every letter is an empty box of the font's height. It gets the same
    # Debian faces that stand in for Windows' ones below. Wine hands no QT_
    # variable to a Windows program; WINEQT_X reaches it as QT_X.
    fonts=$cache/fonts
    if [ ! -f "$fonts/LiberationSans-Regular.ttf" ]; then
        mkdir -p "$fonts"
        ln -sf /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
            /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
            /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold*.ttf \
            /usr/share/fonts/truetype/dejavu/DejaVuSans-Oblique.ttf "$fonts/"
    fi
    export WINEQT_QPA_FONTDIR=${WINEQT_QPA_FONTDIR:-$(windows_path "$fonts")}
fi

if [ ! -f "$WINEPREFIX/.zemtar-fonts" ]; then
    mkdir -p "$WINEPREFIX"
    "$loader" wineboot --init >/dev/null 2>&1 || true
    # Wine has none of Windows' faces; it is given the Debian build's
    # stand-ins for them (src/platform/fonts_posix.cpp), so that a window
    # under Wine can be compared with the Debian one.
    for face in "Microsoft Sans Serif=Liberation Sans" "Arial=Liberation Sans" \
        "Tahoma=DejaVu Sans" "Verdana=DejaVu Sans"; do
        "$loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f \
            >/dev/null 2>&1 || true
    done
    "$(dirname "$loader")/wineserver" -w 2>/dev/null || true
    touch "$WINEPREFIX/.zemtar-fonts"
fi
exec "$loader" "$@"
