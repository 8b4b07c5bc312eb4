#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installed program as
# a user would: the launchers on the PATH, the desktop entry and the icon.
# Usage: install_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake_command=$1
build=$2

prefix=$(mktemp -d)
runtime=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$prefix" "$runtime"
}
trap cleanup EXIT

chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake_command" --install "$build" --prefix "$prefix" >/dev/null

# One program directory with the files that lie beside the program.
for f in lib/zemtar/zemtar lib/zemtar/zemtar-forecast; do
    [ -x "$prefix/$f" ] || fail "$f is not an installed program"
done
for f in lib/zemtar/ZKalvex.hlp lib/zemtar/ZKalvex.uk.hlp lib/zemtar/ZKalvex.en.hlp lib/zemtar/001.dat; do
    [ -s "$prefix/$f" ] || fail "$f is missing or empty"
done

# Launchers on the PATH.
for f in zemtar zemtar-forecast; do
    [ -x "$prefix/bin/$f" ] || fail "bin/$f is not executable"
done

# The forecast through the launcher, from another working directory.
out=$(cd / && PATH="$prefix/bin:$PATH" zemtar-forecast --json 23 8 1975) ||
    fail "zemtar-forecast ended with status $?"
for expected in '"lifeNumber":4558300' '"happiness":"72%"' '"max":8' '"min":0'; do
    case "$out" in
        *"$expected"*) ;;
        *) fail "zemtar-forecast output lacks $expected: $out" ;;
    esac
done
status=0
err=$(PATH="$prefix/bin:$PATH" zemtar-forecast 23 8 19a0 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "a refused year should end with status 2, not $status"
[ -n "$err" ] || fail "a refused year should say why on stderr"

# The picture through the launcher: the drawing library is found beside the
# real program, and text and JSON never need it.
out=$(cd "$runtime" && QT_QPA_PLATFORM=offscreen PATH="$prefix/bin:$PATH" \
    zemtar-forecast --png window.png 23 8 1975 2>&1) || fail "zemtar-forecast --png: $out"
[ -s "$runtime/window.png" ] || fail "zemtar-forecast --png wrote no picture"
[ -z "$out" ] || fail "zemtar-forecast --png printed: $out"
if ldd "$prefix/lib/zemtar/zemtar-forecast" | grep -q 'Qt6\(Gui\|Widgets\|PrintSupport\)'; then
    fail "zemtar-forecast loads a GUI library for text and JSON"
fi

# --help and --version answer without a display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zemtar" --version) ||
    fail "zemtar --version ended with status $?"
[ "$out" = "zemtar 1.4" ] || fail "zemtar --version printed: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zemtar" --help) ||
    fail "zemtar --help ended with status $?"
case "$out" in
    *"Использование: zemtar"*--version*) ;;
    *) fail "zemtar --help printed: $out" ;;
esac

# The window program starts and keeps running (until we end it).
QT_QPA_PLATFORM=offscreen "$prefix/bin/zemtar" >/dev/null 2>&1 &
program_pid=$!
sleep 2
if kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
else
    wait "$program_pid" && status=0 || status=$?
    fail "the installed zemtar ended at once with status $status"
fi
program_pid=

# Desktop entry and icons in the freedesktop places.
desktop="$prefix/share/applications/zemtar.desktop"
if [ -f "$desktop" ]; then
    for line in '[Desktop Entry]' 'Type=Application' 'Name=Zemtar - Прогноз' 'Exec=zemtar' \
                'Icon=zemtar' 'Categories=Utility;'; do
        grep -qxF "$line" "$desktop" || fail "zemtar.desktop lacks the line $line"
    done
    grep '^Comment=' "$desktop" | grep -qF 'прогноз' || fail "zemtar.desktop lacks a Russian Comment"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "desktop-file-validate rejects zemtar.desktop"
    fi
else
    fail "share/applications/zemtar.desktop is missing"
fi
for size in 32 64 128; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zemtar.png"
    if [ ! -f "$icon" ]; then
        fail "icon ${size}x${size} is missing"
        continue
    fi
    geometry=$(identify -format '%wx%h' "$icon") || fail "identify cannot read $icon"
    [ "$geometry" = "${size}x${size}" ] || fail "icon ${size}x${size} is $geometry"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed program, launchers, desktop entry and icons: all in place"
