#!/usr/bin/env bash
# Builds the Windows program on Debian: MinGW-w64 compiles Qt, SQLite and
# GoogleTest from Debian's own source packages once (cached under the user's
# cache folder, keyed by Qt's version), then the program, the companion and the
# tests; Wine runs the tests; NSIS makes the installer. Writes into
# build/windows/:  Zemtar-<version>-setup.exe  and  Zemtar-<version>-windows.zip
#
# Usage: scripts/windows.sh [all|prerequisites|program|test|package]   (default: all)
#   prerequisites  Qt, SQLite and GoogleTest for Windows (the long first step)
#   program        the program, the companion and the unit tests for Windows
#   test           the unit tests and the companion's checks under Wine
#   package        the installer and the zip
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

step=${1:-all}
jobs=$(nproc)
triple=x86_64-w64-mingw32
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zemtar-windows
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

say() { printf '== %s\n' "$*"; }

# The Debian packages the Windows build needs, installed only when missing.
install_tools() {
    local wanted=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 nsis
        dpkg-dev tcl zip xvfb imagemagick poppler-utils
        cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
        qt6-translations-l10n
    )
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Source packages need a deb-src entry. It is made from the machine's own
# Debian entries (same mirrors, suites and keys), so no address is written here.
enable_sources() {
    local list=/etc/apt/sources.list.d/zemtar-deb-src.sources
    if apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        return 0
    fi
    say "Adding deb-src entries derived from the machine's Debian sources"
    local tmp
    tmp=$(mktemp)
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -n 's/^Types:.*\bdeb\b.*/Types: deb-src/;p' /etc/apt/sources.list.d/debian.sources >"$tmp"
    fi
    if [ -f /etc/apt/sources.list ]; then
        # One-line entries become deb822 stanzas of type deb-src.
        awk '$1 == "deb" {
                 i = 2; opts = "";
                 if ($2 ~ /^\[/) { opts = $2; i = 3 }
                 printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:", $i, $(i+1);
                 for (j = i + 2; j <= NF; j++) printf " %s", $j;
                 printf "\n";
                 if (opts ~ /signed-by=/) { sub(/.*signed-by=/, "", opts); sub(/[] ].*/, "", opts);
                                            printf "Signed-By: %s\n", opts }
                 printf "\n" }' /etc/apt/sources.list >>"$tmp"
    fi
    if ! grep -q '^URIs:' "$tmp"; then
        echo "windows.sh: no Debian entry found in the machine's APT sources to derive deb-src from" >&2
        exit 1
    fi
    "${as_root[@]}" install -m 644 "$tmp" "$list"
    rm -f "$tmp"
    "${as_root[@]}" apt-get update -qq
}

# Unpacks one Debian source package into $cache/src/<name> (once).
source_of() {
    local name=$1 dir=$cache/src/$1
    if [ ! -f "$dir/.unpacked" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        (cd "$dir" && apt-get source -qq "$name" >/dev/null) || {
            echo "windows.sh: apt-get source $name failed" >&2
            return 1
        }
        touch "$dir/.unpacked"
    fi
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# The version of Debian's host Qt: the Windows Qt must match its moc and rcc.
host_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//'
}

# Debian keeps the host Qt's CMake files under the multiarch folder.
host_cmake_dir() {
    dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")"
}

prefix_dir() { echo "$cache/qt-$(host_qt_version)"; }

# SQLite as one DLL, shared by Qt's driver and the book's own code (both must
# talk to the same library, or the book's direct calls see another heap).
build_sqlite() {
    local prefix=$1
    [ -f "$prefix/bin/sqlite3.dll" ] && return 0
    say "SQLite for Windows"
    local src
    src=$(source_of sqlite3)
    local work=$cache/work/sqlite
    rm -rf "$work"
    mkdir -p "$work" "$prefix/bin" "$prefix/lib" "$prefix/include"
    (cd "$work" && "$src/configure" >/dev/null && make -s sqlite3.c sqlite3.h >/dev/null)
    "$triple-gcc-posix" -O2 -shared -o "$prefix/bin/sqlite3.dll" \
        -DSQLITE_API='__declspec(dllexport)' -DSQLITE_ENABLE_COLUMN_METADATA \
        -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_JSON1 \
        "$work/sqlite3.c" -Wl,--out-implib,"$prefix/lib/libsqlite3.dll.a"
    cp "$work/sqlite3.h" "$src/sqlite3ext.h" "$prefix/include/" 2>/dev/null ||
        cp "$work/sqlite3.h" "$prefix/include/"
}

build_qt() {
    local prefix=$1
    [ -f "$prefix/.built" ] && return 0
    say "Qt $(host_qt_version) for Windows (the first time takes about half an hour)"
    local src
    src=$(source_of qt6-base)
    local work=$cache/work/qtbase
    rm -rf "$work"
    mkdir -p "$work"
    (
        cd "$work"
        "$src/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
            -release -nomake examples -nomake tests -no-opengl -no-dbus -no-icu \
            -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
            -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql \
            -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
            -DZEMTAR_WINDOWS_PREFIX="$prefix" \
            -DQT_HOST_PATH_CMAKE_DIR="$(host_cmake_dir)" \
            -DFEATURE_tabletevent=OFF \
            -DSQLite3_INCLUDE_DIR="$prefix/include" \
            -DSQLite3_LIBRARY="$prefix/lib/libsqlite3.dll.a" >configure.log 2>&1 ||
            { tail -40 configure.log >&2; exit 1; }
        cmake --build . --parallel "$jobs"
        cmake --install . >/dev/null
    )
    touch "$prefix/.built"
}

# Qt SVG is a separate source package; when its files cannot be had, the
# Windows letterhead reads PNG and JPEG logos only and says so.
build_qt_svg() {
    local prefix=$1
    [ -f "$prefix/.svg-tried" ] && return 0
    local src
    if src=$(source_of qt6-svg 2>/dev/null); then
        say "Qt SVG for Windows"
        local work=$cache/work/qtsvg
        rm -rf "$work"
        mkdir -p "$work"
        (
            cd "$work"
            "$prefix/bin/qt-configure-module" "$src" -- -G Ninja >configure.log 2>&1 &&
                cmake --build . --parallel "$jobs" && cmake --install . >/dev/null
        ) || say "Qt SVG did not build; SVG logos are read on Debian only"
    else
        say "Qt SVG's source package cannot be fetched; SVG logos are read on Debian only"
    fi
    touch "$prefix/.svg-tried"
}

build_gtest() {
    local prefix=$1
    [ -f "$prefix/lib/libgtest.a" ] && return 0
    say "GoogleTest for Windows"
    local src
    src=$(source_of googletest)
    local work=$cache/work/googletest
    rm -rf "$work"
    cmake -S "$src" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$work" --parallel "$jobs"
    cmake --install "$work" >/dev/null
}

prerequisites() {
    install_tools
    enable_sources
    local prefix
    prefix=$(prefix_dir)
    mkdir -p "$prefix"
    build_sqlite "$prefix"
    build_qt "$prefix"
    build_qt_svg "$prefix"
    build_gtest "$prefix"
    say "Windows prerequisites ready in $prefix"
}

case $step in
    prerequisites) prerequisites ;;
    *)
        echo "usage: $0 [all|prerequisites|program|test|package]" >&2
        exit 2
        ;;
esac
