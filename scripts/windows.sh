#!/usr/bin/env bash
# Builds the Windows program on Debian: MinGW-w64 compiles Qt, SQLite and
# GoogleTest from Debian's own source packages once (cached under the user's
# cache folder, keyed by Qt's version), then the program, the companion and the
# tests; Wine runs the tests; NSIS makes the installer. Writes into
# build/windows/:  Zemtar-<version>-setup.exe  and  Zemtar-<version>-windows.zip
#
# Usage: scripts/windows.sh [all|prerequisites|program|package|test|installer]
#   (default: all, in that order)
#   prerequisites  Qt, SQLite and GoogleTest for Windows (the long first step)
#   program        the program, the companion and the unit tests for Windows
#   package        the installer and the zip
#   test           under Wine: the unit suites, the companion against the
#                  Debian build, and (when the installer is there) installer
#   installer      install and uninstall silently into a Wine prefix, the
#                  installed window after 23.08.1975 as a screenshot
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
        dpkg-dev tcl zip xvfb xdotool imagemagick poppler-utils
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
    say "Qt $(host_qt_version) for Windows (the first time takes an hour or more on two processors)"
    local src
    src=$(source_of qt6-base)
    local work=$cache/work/qtbase
    # A build stopped half-way (a closed terminal, a reboot) resumes where it
    # stopped: the folder is made afresh only when it was never configured.
    [ -f "$work/build.ninja" ] || rm -rf "$work"
    mkdir -p "$work"
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    (
        cd "$work"
        [ -f build.ninja ] ||
        "$src/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
            -release -nomake examples -nomake tests -no-opengl -no-dbus -no-icu \
            -no-feature-network -no-feature-concurrent -no-feature-xml \
            -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
            -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql \
            -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
            -DZEMTAR_WINDOWS_PREFIX="$prefix" \
            -DQT_HOST_PATH_CMAKE_DIR="$(host_cmake_dir)" \
            -DFEATURE_tabletevent=OFF \
            -DSQLite3_INCLUDE_DIR="$prefix/include" \
            -DSQLite3_LIBRARY="$prefix/lib/libsqlite3.dll.a" "${launcher[@]}" >configure.log 2>&1 ||
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

# ---------------------------------------------------------------- the program

windows_build=$root/build/windows/build
version() { sed -n 's/^project(zemtar VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"; }

require_prerequisites() {
    local prefix
    prefix=$(prefix_dir)
    if [ ! -f "$prefix/.built" ] || [ ! -f "$prefix/lib/libgtest.a" ]; then
        echo "windows.sh: no Windows Qt in $prefix yet: run scripts/windows.sh prerequisites" >&2
        exit 1
    fi
}

# The tune and the icons are made at build time by tools that run here: they
# come from the build for this machine (the README's build/default).
host_tools() {
    local tools=$root/build/default/tools
    if [ ! -x "$tools/make_tune" ] || [ ! -x "$tools/make_icon" ]; then
        say "The build's tools for this machine (build/default)"
        [ -f "$root/build/default/build.ninja" ] || cmake --preset default >/dev/null
        cmake --build --preset default --target make_tune make_icon
    fi
}

program() {
    install_tools
    require_prerequisites
    host_tools
    local prefix
    prefix=$(prefix_dir)
    say "The program, the companion and the tests for Windows (build/windows/build)"
    cmake -S "$root" -B "$windows_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DZEMTAR_WINDOWS_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(host_cmake_dir)" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DZEMTAR_BENCH=OFF -DZEMTAR_WERROR=ON \
        -DZEMTAR_HOST_TOOLS="$root/build/default/tools" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null
    cmake --build "$windows_build" --parallel "$jobs"
}

# ---------------------------------------------------------------- the tests

# The Debian build's companion, to compare the Windows one with.
debian_companion() {
    local companion=$root/build/default/bin/zemtar-forecast
    if [ ! -x "$companion" ]; then
        [ -f "$root/build/default/build.ninja" ] || cmake --preset default >/dev/null
        cmake --build --preset default --target zemtar-forecast zemtar_forecast_drawing >&2
    fi
    echo "$companion"
}

# 10,000 dates over four centuries, a few of them no real day (31.02 and the
# like), which both builds must refuse alike.
write_dates() {
    awk 'BEGIN { for (i = 0; i < 10000; i++)
                     printf "%d %d %d\n", 1 + (i * 7) % 31, 1 + int(i / 31) % 12, 1800 + (i * 13) % 400 }' >"$1"
}

companion_checks() {
    local debian windows work
    # Both speak Russian: the messages inside --batch's lines follow the
    # desktop's language, which Wine takes from the same variable. LANG, not
    # LC_ALL: where Debian lacks the Russian locale, LC_ALL would have the
    # shell under wine-run.sh warn into the output compared, and Wine's file
    # names turn ASCII; LC_CTYPE keeps them UTF-8.
    local russian=(env -u LC_ALL LANG=ru_RU.UTF-8 LC_CTYPE=C.UTF-8 LANGUAGE=)
    debian="${russian[*]} $(debian_companion)"
    windows="${russian[*]} $root/scripts/wine-run.sh $windows_build/bin/zemtar-forecast.exe"
    work=$root/build/windows/checks
    rm -rf "$work"
    mkdir -p "$work"
    write_dates "$work/dates.txt"
    say "The companion under Wine against the Debian build"
    local start=$SECONDS
    $debian --batch "$work/dates.txt" >"$work/debian-batch.txt" 2>/dev/null || true
    (cd "$work" && $windows --batch dates.txt >windows-batch.txt 2>/dev/null) || true
    if ! cmp -s "$work/debian-batch.txt" "$work/windows-batch.txt" ||
        [ ! -s "$work/debian-batch.txt" ]; then
        echo "windows.sh: --batch of 10,000 dates differs between Debian and Windows" >&2
        cmp "$work/debian-batch.txt" "$work/windows-batch.txt" >&2 || true
        return 1
    fi
    echo "--batch, 10,000 dates: $(wc -c <"$work/debian-batch.txt") bytes, the same ($((SECONDS - start)) s)"
    local name
    for name in json:"--json 23 8 1975" text:"29 2 2000" compare:"--compare 23 8 1975 5 5 1990 --json" \
        booklet:"--booklet --json 1 1 2010"; do
        # shellcheck disable=SC2086
        $debian ${name#*:} >"$work/debian-${name%%:*}.out" 2>&1 || true
        # shellcheck disable=SC2086
        (cd "$work" && $windows ${name#*:} >"windows-${name%%:*}.out" 2>&1) || true
        if ! cmp -s "$work/debian-${name%%:*}.out" "$work/windows-${name%%:*}.out"; then
            echo "windows.sh: ${name#*:} differs between Debian and Windows" >&2
            return 1
        fi
        echo "${name#*:}: the same bytes"
    done
    # The pages: the same words on both (the faces differ: Wine has none of
    # Windows' own, so the lines may break elsewhere; the words compared are
    # those of the page, one per line, the moment of the calculation, a few
    # seconds apart, left out).
    for name in report:"--pdf R.pdf --surname Ёлкина --name Анна 23 8 1975" \
        booklet:"--booklet --pdf R.pdf 1 1 2010" compare:"--compare 23 8 1975 5 5 1990 --pdf R.pdf"; do
        local args=${name#*:}
        # shellcheck disable=SC2086
        (cd "$work" && $debian ${args//R.pdf/debian-${name%%:*}.pdf} >/dev/null 2>&1) || true
        # shellcheck disable=SC2086
        (cd "$work" && $windows ${args//R.pdf/windows-${name%%:*}.pdf} >/dev/null 2>&1) || true
        for side in debian windows; do
            pdftotext -enc UTF-8 "$work/$side-${name%%:*}.pdf" - 2>/dev/null | tr -s ' \n\f' '\n\n\n' |
                grep -Ev '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' >"$work/$side-${name%%:*}.words" || true
        done
        if [ ! -s "$work/debian-${name%%:*}.words" ] ||
            ! cmp -s "$work/debian-${name%%:*}.words" "$work/windows-${name%%:*}.words"; then
            echo "windows.sh: the ${name%%:*} page's words differ between Debian and Windows" >&2
            diff "$work/debian-${name%%:*}.words" "$work/windows-${name%%:*}.words" | head -20 >&2 || true
            return 1
        fi
        echo "${name%%:*} page: the same $(wc -l <"$work/debian-${name%%:*}.words") words"
    done
}

unit_tests() {
    say "The unit suites under Wine"
    ctest --test-dir "$windows_build" --output-on-failure -LE "fuzz|soak"
}

test_windows() {
    require_prerequisites
    [ -f "$windows_build/build.ninja" ] || program
    unit_tests
    companion_checks
    if [ -f "$root/build/windows/$(stage_name)-setup.exe" ]; then
        installer_checks
    fi
}

# ---------------------------------------------------------------- the package

stage_name() { echo "Zemtar-$(version)"; }

# The DLLs a Windows program or library names, lower-cased.
imported_dlls() {
    "$triple-objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'
}

# Puts beside the program every DLL it needs that Windows does not have: Qt's
# (and the plugins Qt loads), SQLite, zlib and the MinGW runtime; then checks
# that nothing named is missing. Windows' own DLLs are those in the Wine
# prefix's system folder.
add_runtime() {
    local stage=$1 prefix
    prefix=$(prefix_dir)
    local runtime
    runtime=$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")
    local sources=("$prefix/bin" "$runtime" "/usr/$triple/lib")
    mkdir -p "$stage/plugins/platforms" "$stage/plugins/sqldrivers" "$stage/plugins/imageformats" \
        "$stage/plugins/styles"
    cp "$prefix/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
    # The companion draws its pictures and pages offscreen, with no window.
    cp "$prefix/plugins/platforms/qoffscreen.dll" "$stage/plugins/platforms/"
    cp "$prefix/plugins/sqldrivers/qsqlite.dll" "$stage/plugins/sqldrivers/"
    cp "$prefix"/plugins/imageformats/q{jpeg,gif,ico}.dll "$stage/plugins/imageformats/" 2>/dev/null || true
    cp "$prefix"/plugins/imageformats/qsvg.dll "$stage/plugins/imageformats/" 2>/dev/null || true
    cp "$prefix"/plugins/styles/*.dll "$stage/plugins/styles/" 2>/dev/null || true
    # Qt's own words in its dialogs, from Debian's qt6-translations-l10n.
    local lang
    for lang in ru uk en; do
        [ -f "/usr/share/qt6/translations/qtbase_$lang.qm" ] &&
            cp "/usr/share/qt6/translations/qtbase_$lang.qm" "$stage/translations/"
    done
    printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' >"$stage/qt.conf"
    # Whatever is named and not yet there, found in the sources, until
    # nothing more is named.
    local system32=$WINEPREFIX/drive_c/windows/system32 added=1 file dll
    while [ $added -eq 1 ]; do
        added=0
        while IFS= read -r file; do
            while IFS= read -r dll; do
                # API sets (api-ms-win-…, ext-ms-…) are names the Windows
                # loader resolves itself; no folder holds them as files.
                case ${dll,,} in api-ms-win-* | ext-ms-*) continue ;; esac
                [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
                [ -n "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
                local found=
                for dir in "${sources[@]}"; do
                    found=$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit)
                    [ -n "$found" ] && break
                done
                if [ -z "$found" ]; then
                    echo "windows.sh: $(basename "$file") needs $dll, which is nowhere here" >&2
                    exit 1
                fi
                cp "$found" "$stage/"
                added=1
            done < <(imported_dlls "$file")
        done < <(find "$stage" -iname '*.exe' -o -iname '*.dll')
    done
}

# Lists for the installer: what to install, and what the uninstaller removes
# (exactly those files, then their folders if empty).
installer_lists() {
    local stage=$1 lists=$2 file dir
    mkdir -p "$lists"
    : >"$lists/files.nsh"
    : >"$lists/unfiles.nsh"
    while IFS= read -r dir; do
        local rel=${dir#"$stage"}
        rel=${rel#/}
        printf 'SetOutPath "$INSTDIR%s"\n' "${rel:+\\${rel//\//\\}}" >>"$lists/files.nsh"
        while IFS= read -r file; do
            printf 'File "%s"\n' "$file" >>"$lists/files.nsh"
            local name=${file#"$stage"/}
            printf 'Delete "$INSTDIR\\%s"\n' "${name//\//\\}" >>"$lists/unfiles.nsh"
        done < <(find "$dir" -maxdepth 1 -type f | LC_ALL=C sort)
    done < <(find "$stage" -type d | LC_ALL=C sort)
    while IFS= read -r dir; do
        local rel=${dir#"$stage"/}
        printf 'RMDir "$INSTDIR\\%s"\n' "${rel//\//\\}" >>"$lists/unfiles.nsh"
    done < <(find "$stage" -mindepth 1 -type d | LC_ALL=C sort -r)
}

package() {
    install_tools
    require_prerequisites
    [ -f "$windows_build/bin/zemtar.exe" ] || program
    cmake --build "$windows_build" --parallel "$jobs" >/dev/null
    export WINEPREFIX=${ZEMTAR_WINEPREFIX:-$cache/wine}
    [ -d "$WINEPREFIX/drive_c/windows/system32" ] || "$root/scripts/wine-run.sh" cmd /c exit
    local out=$root/build/windows name stage
    name=$(stage_name)
    stage=$out/$name
    say "The Windows folder $name"
    rm -rf "$stage" "$out/lists"
    cmake --install "$windows_build" --prefix "$stage" >/dev/null
    "$triple-strip" --strip-unneeded "$stage"/*.exe "$stage"/*.dll 2>/dev/null || true
    add_runtime "$stage"
    say "build/windows/$name-windows.zip"
    rm -f "$out/$name-windows.zip"
    (cd "$out" && zip -qr -X "$name-windows.zip" "$name")
    say "build/windows/$name-setup.exe"
    installer_lists "$stage" "$out/lists"
    local size
    size=$(du -sk "$stage" | cut -f1)
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$(version)" -DSTAGE="$stage" -DLISTS="$out/lists" \
        -DOUTFILE="$out/$name-setup.exe" -DSIZE_KB="$size" "$root/packaging/windows/zemtar.nsi"
    ls -l "$out/$name-setup.exe" "$out/$name-windows.zip"
}

# ------------------------------------------------- the installer under Wine

windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

# The window of a program on a virtual screen after 23.08.1975 is entered
# from the keyboard (day, month, year, F9), as a user would; the screen as PNG.
window_after_1975() {
    local shot=$1
    shift
    local display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    sleep 2
    DISPLAY=$display "$@" >/dev/null 2>&1 &
    local program=$!
    local window=
    for _ in $(seq 120); do
        window=$(DISPLAY=$display xdotool search --onlyvisible --name 'Zemtar' 2>/dev/null | tail -n 1) || true
        [ -n "$window" ] && break
        sleep 1
    done
    if [ -n "$window" ]; then
        sleep 3
        DISPLAY=$display xdotool windowfocus --sync "$window" 2>/dev/null || true
        # As the end-to-end test types: the day, the month eight steps down,
        # the year's last two digits, F9.
        DISPLAY=$display xdotool key --delay 60 2 3
        DISPLAY=$display xdotool key --delay 60 Tab
        DISPLAY=$display xdotool key --delay 60 Down Down Down Down Down Down Down Down
        DISPLAY=$display xdotool key --delay 60 Tab
        sleep 0.5
        DISPLAY=$display xdotool type --delay 60 75
        DISPLAY=$display xdotool key --delay 60 F9
        sleep 3
        DISPLAY=$display import -window root "$shot"
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    [ -n "$window" ]
}

installer_checks() {
    local out=$root/build/windows name
    name=$(stage_name)
    [ -f "$out/$name-setup.exe" ] || package
    export WINEPREFIX=${ZEMTAR_WINEPREFIX:-$cache/wine}
    local user_dir
    user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
    local local_data=$user_dir/AppData/Local
    local programs=$local_data/Programs/Zemtar\ Prognoz
    say "The installer under Wine: per user, silently"
    local start=$SECONDS
    "$root/scripts/wine-run.sh" "$out/$name-setup.exe" /S /CurrentUser
    /usr/lib/wine/wineserver -w
    [ -f "$programs/zemtar.exe" ] && [ -f "$programs/uninstall.exe" ] || {
        echo "windows.sh: the installer put no program into $programs" >&2
        return 1
    }
    echo "installed in $((SECONDS - start)) s: $(find "$programs" -type f | wc -l) files"
    ls "$user_dir"/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/ | grep -q 'Zemtar' || {
        echo "windows.sh: no Start menu entry" >&2
        return 1
    }
    "$root/scripts/wine-run.sh" reg query \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZemtarPrognoz' | grep -q DisplayName || {
        echo "windows.sh: no entry in «Программы и компоненты»" >&2
        return 1
    }
    # The installed companion runs on what the installer brought alone.
    local debian
    debian=$(debian_companion)
    if ! cmp -s <("$debian" --json 23 8 1975) \
        <(ZEMTAR_WINE_BARE=1 "$root/scripts/wine-run.sh" "$programs/zemtar-forecast.exe" --json 23 8 1975); then
        echo "windows.sh: the installed companion does not answer as the Debian one" >&2
        return 1
    fi
    echo "the installed companion answers as the Debian one"
    # The window, installed, after 23.08.1975; and the Debian window to compare.
    if window_after_1975 "$out/window-windows.png" env ZEMTAR_WINE_BARE=1 \
        "$root/scripts/wine-run.sh" "$programs/zemtar.exe"; then
        echo "the installed window: build/windows/window-windows.png"
    else
        echo "windows.sh: the installed window did not open" >&2
        return 1
    fi
    # The same window's picture for 23.08.1975 as the installed companion
    # draws it, beside the Debian one's: the window's own code, offscreen.
    rm -f "$out/forecast-1975-windows.png"
    if ! ZEMTAR_WINE_BARE=1 "$root/scripts/wine-run.sh" "$programs/zemtar-forecast.exe" \
        --png "$(windows_path "$out/forecast-1975-windows.png")" 23 8 1975 ||
        [ ! -s "$out/forecast-1975-windows.png" ]; then
        echo "windows.sh: the installed companion drew no picture" >&2
        return 1
    fi
    "$debian" --png "$out/forecast-1975-debian.png" 23 8 1975 || true
    echo "the forecast's picture: build/windows/forecast-1975-windows.png, -debian.png"
    [ -x "$root/build/default/bin/zemtar" ] &&
        window_after_1975 "$out/window-debian.png" env QT_QPA_PLATFORM=xcb HOME="$out/debian-home" \
            "$root/build/default/bin/zemtar" &&
        echo "the Debian window to compare: build/windows/window-debian.png"
    # A book of the user's, which the uninstaller must leave alone.
    mkdir -p "$local_data/zemtar"
    printf 'the book\n' >"$local_data/zemtar/uninstall-keeps-this"
    say "The uninstaller under Wine, silently"
    "$root/scripts/wine-run.sh" "$programs/uninstall.exe" /S /CurrentUser
    /usr/lib/wine/wineserver -w
    sleep 2
    if [ -e "$programs" ]; then
        echo "windows.sh: the uninstaller left $programs" >&2
        find "$programs" >&2
        return 1
    fi
    [ -f "$local_data/zemtar/uninstall-keeps-this" ] || {
        echo "windows.sh: the uninstaller took the user's data" >&2
        return 1
    }
    rm -f "$local_data/zemtar/uninstall-keeps-this"
    echo "uninstalled: the program's folder is gone, the user's data folder stays"
}

case $step in
    prerequisites) prerequisites ;;
    program) program ;;
    test) test_windows ;;
    package) package ;;
    installer) installer_checks ;;
    all)
        prerequisites
        program
        package
        test_windows
        ;;
    *)
        echo "usage: $0 [all|prerequisites|program|package|test|installer]" >&2
        exit 2
        ;;
esac
