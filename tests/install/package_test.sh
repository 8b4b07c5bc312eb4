#!/usr/bin/env bash
# Builds the Debian package from the build tree and runs the checkers Debian
# and the desktops use on it: lintian on the package, appstreamcli on its
# metainfo and desktop-file-validate on its desktop entry.
# Usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack_command=$1
build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in dpkg-deb lintian appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

if ! "$cpack_command" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
dpkg-deb -x "$deb" "$work/root"

# What Debian asks of every package, and what the issue promised in it.
for f in usr/share/doc/zemtar/copyright usr/share/doc/zemtar/changelog.gz \
         usr/share/man/man1/zemtar.1.gz usr/share/man/man1/zemtar-forecast.1.gz \
         usr/share/man/uk/man1/zemtar.1.gz usr/share/man/uk/man1/zemtar-forecast.1.gz \
         usr/share/man/en/man1/zemtar.1.gz usr/share/man/en/man1/zemtar-forecast.1.gz \
         usr/share/metainfo/ru.narod.zemtar.metainfo.xml usr/share/applications/zemtar.desktop; do
    [ -s "$work/root/$f" ] || fail "the package lacks $f"
done
# The desktop entry and the AppStream data speak Ukrainian and English too.
for lang in uk en; do
    grep -q "^Name\[$lang\]=" "$work/root/usr/share/applications/zemtar.desktop" ||
        fail "the desktop entry has no name in $lang"
    grep -q "<summary xml:lang=\"$lang\">" "$work/root/usr/share/metainfo/ru.narod.zemtar.metainfo.xml" ||
        fail "the metainfo has no summary in $lang"
done
grep -q '^License: Expat' "$work/root/usr/share/doc/zemtar/copyright" ||
    fail "the copyright file does not state the MIT (Expat) licence"
# sed reads to the end: with pipefail, head would stop dpkg-deb by SIGPIPE now and then.
synopsis=$(dpkg-deb -f "$deb" Description | sed -n 1p)
case "${synopsis,,}" in
    zemtar*) fail "the description starts with the package name: $synopsis" ;;
esac

# lintian: no error and no warning. Running as root is all it may complain of,
# and that it says on its own standard error, not as a tag.
lintian --no-cfg --fail-on none --display-level '>=warning' "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
    fail "lintian did not run: $(cat "$work/lintian.err")"
if grep -E '^[EW]: ' "$work/lintian.log" >&2; then
    fail "lintian reports the errors and warnings above"
fi

appstreamcli validate --no-net "$work/root/usr/share/metainfo/ru.narod.zemtar.metainfo.xml" >&2 ||
    fail "appstreamcli rejects the metainfo"
desktop-file-validate "$work/root/usr/share/applications/zemtar.desktop" >&2 ||
    fail "desktop-file-validate rejects the desktop entry"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$(basename "$deb"): lintian, appstreamcli and desktop-file-validate are content"
