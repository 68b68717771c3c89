#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks it as a
# user would meet it: its name and control fields, every file it installs,
# lintian's verdict, and the program unpacked from it answering --version and
# --help with no display.
#
#   tests/packaging/check_deb.sh <build dir> <version> <homepage> <docs/packaging.md> <icon sizes...>
#
# Exits 77 (skipped) where dpkg-deb is missing: not a Debian system.
set -uo pipefail

build=$1 version=$2 homepage=$3 readme=$4
shift 4
icon_sizes=("$@")

command -v dpkg-deb >/dev/null || { echo "SKIP: no dpkg-deb"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() { if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: got '$2', want '$3'"; failures=$((failures + 1)); fi; }
check() { # what command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

# --- Build ---------------------------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    echo "FAIL: cpack"
    cat "$work/cpack.log"
    exit 1
fi
mapfile -t debs < <(find "$work/out" -maxdepth 1 -name '*.deb')
expect "one package built" "${#debs[@]}" 1
((${#debs[@]} == 1)) || exit 1
deb=${debs[0]}
expect "file name" "$(basename "$deb")" "trellan_${version}_$(dpkg --print-architecture).deb"

# --- Control fields ------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
expect "Package" "$(field Package)" trellan
expect "Version" "$(field Version)" "$version"
expect "Section" "$(field Section)" education
expect "Priority" "$(field Priority)" optional
expect "Homepage" "$(field Homepage)" "$homepage"
check "Maintainer names someone to write to" grep -qE '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
# The fonts the window's faces come from, the libraries dpkg-shlibdeps finds,
# and the workbook library, opened only when a workbook is written.
field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/depends"
for p in fonts-comic-neue fonts-liberation fonts-dejavu-core fonts-dejavu-extra libqt6widgets6 libc6 libxlsxwriter4; do
    check "Depends on $p" grep -qx -- "$p" "$work/depends"
done
check "Installed-Size is given" grep -qE '^[0-9]+$' <<<"$(field Installed-Size)"

# --- Contents ------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $1, $NF }' >"$work/contents"
want_file() { # mode path
    local line
    line=$(grep -E " \./${2#/}\$" "$work/contents" || true)
    if [[ -z $line ]]; then
        echo "FAIL: no $2 in the package"
        failures=$((failures + 1))
    else
        expect "$2 mode" "${line%% *}" "$1"
    fi
}
want_file -rwxr-xr-x /usr/bin/trellan
want_file -rw-r--r-- /usr/share/applications/org.example.trellan.desktop
want_file -rw-r--r-- /usr/share/metainfo/org.example.trellan.metainfo.xml
for size in "${icon_sizes[@]}"; do
    want_file -rw-r--r-- "/usr/share/icons/hicolor/${size}x${size}/apps/org.example.trellan.png"
done
want_file -rw-r--r-- /usr/share/man/man1/trellan.1.gz
for language in de es fr; do
    want_file -rw-r--r-- "/usr/share/man/$language/man1/trellan.1.gz"
done
check "Recommends Qt's own translations" grep -qx qt6-translations-l10n <<<"$(field Recommends)"
want_file -rw-r--r-- /usr/share/doc/trellan/copyright
want_file -rw-r--r-- /usr/share/doc/trellan/changelog.gz
expect "entries not owned by root" "$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')" ""

# --- lintian -------------------------------------------------------------
if ! command -v lintian >/dev/null; then
    echo "FAIL: no lintian (tools/setup.sh installs it)"
    failures=$((failures + 1))
else
    lintian --fail-on error "$deb" >"$work/lintian" 2>&1
    expect "lintian reports no error" "$?" 0
    cat "$work/lintian"
    # Every warning left is one docs/packaging.md explains.
    while read -r tag; do
        check "docs/packaging.md explains lintian's $tag" grep -qF -- "$tag" "$readme"
    done < <(awk '$1 == "W:" { print $3 }' "$work/lintian" | sort -u)
fi

# --- Unpacked ------------------------------------------------------------
dpkg-deb -x "$deb" "$work/root"
# The system's libraries, from where the system keeps them: no search path of
# the program's own, before them or beside them.
expect "library search path" "$(readelf -d "$work/root/usr/bin/trellan" | grep -E 'RPATH|RUNPATH')" ""
copyright=$work/root/usr/share/doc/trellan/copyright
expect "copyright format" "$(head -n1 "$copyright")" \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
check "copyright licence is the GPL, version 3 or later" grep -qx 'License: GPL-3+' "$copyright"
expect "changelog names this version" \
    "$(zcat "$work/root/usr/share/doc/trellan/changelog.gz" | head -n1 | cut -d' ' -f1-2)" \
    "trellan ($version)"
expect "manual page title" \
    "$(zcat "$work/root/usr/share/man/man1/trellan.1.gz" | grep -m1 '^\.TH' | cut -d' ' -f1-3)" \
    ".TH TRELLAN 1"

program=$work/root/usr/bin/trellan
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@"; }
out=$(no_display "$program" --version 2>&1)
expect "unpacked --version status" "$?" 0
expect "unpacked --version" "$out" "Trellan $version"
out=$(no_display "$program" --help 2>&1)
expect "unpacked --help status" "$?" 0
check "unpacked --help lists --version" grep -q -- --version <<<"$out"

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb") as expected"
