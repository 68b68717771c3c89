#!/usr/bin/env bash
# Installs the Debian packages the given CMake preset needs (the program
# alone for "program"; the tests and checks too for any other), then
# configures and builds it: all of it, or only the
# targets given after it (tools/setup.sh release --target trellan). Quick
# when nothing is missing: it asks dpkg first and calls apt only for what is
# not there.
set -euo pipefail

preset=${1:-release}
cd "$(dirname "$0")/.."

# What building and running the program needs; the "program" preset asks
# for nothing more, so a first start installs as little as it can.
packages=(
    # build
    cmake ninja-build ccache g++ qt6-base-dev qt6-svg-dev libgl-dev
    # exact arithmetic in rationals (GMP and its C++ interface), found through pkg-config
    libgmp-dev pkg-config
    # reading and writing CSV (the answer key)
    libcsv-dev
    # the answer key as a workbook for a spreadsheet
    libxlsxwriter-dev
    # loading the font configuration beside the display connection at start
    libfontconfig-dev
    # the faces the window names, mapped through font substitutions
    fontconfig fonts-comic-neue fonts-liberation fonts-dejavu-core
    # the narrow sans face that stands in for "Tahoma"
    fonts-dejavu-extra
    # the translations: lupdate and lrelease, and Qt's own texts (dialogs,
    # Yes/No) in German, French and Spanish
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# What the tests, the benchmarks and the checks need besides.
[[ $preset == program ]] || packages+=(
    libgtest-dev libbenchmark-dev
    # the formatting check
    clang-format
    # end-to-end tests: a real X server, pointer clicks, screenshots, a window manager
    xvfb xauth xdotool x11-utils imagemagick openbox
    # the start-up benchmark's watcher of the first frame (bench/first_frame.cpp)
    libxcb1-dev
    # packaging tests: Windows resource compiler, desktop entry and metainfo checkers
    binutils-mingw-w64-x86-64 cpp desktop-file-utils appstream
    # the Debian package and its checks (tools/package.sh), the manual page check
    dpkg-dev lintian file groff-base
    # fuzzing the core (tools/fuzz.sh): clang and its libFuzzer/sanitizer runtimes
    clang libclang-rt-14-dev
    # accessibility test: session bus, AT-SPI buses and the Python bindings that read them
    dbus dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0
    # the PDF's text and the clipboard, read back by the tests
    poppler-utils xclip
    # the answer key's workbook, read back by its test
    python3-openpyxl
)

# Whether another process holds its lock on the file. apt and dpkg lock with
# fcntl, and /proc/locks lists every such lock by device and inode for any
# user, so asking needs no root.
lock_held() {
    local major minor inode
    read -r major minor inode < <(stat -c '%Hd %Ld %i' "$1" 2>/dev/null) || return 1
    grep -q " $(printf '%02x:%02x' "$major" "$minor"):$inode " /proc/locks 2>/dev/null
}

# Waits up to ten minutes while another package manager holds one of the
# lock files, saying so once; then goes on and lets apt report what is left.
wait_for_locks() {
    local lock waited=0 said=0
    while ((waited < 600)); do
        for lock; do
            lock_held "$lock" && break
            lock=
        done
        [[ -z $lock ]] && return 0
        if ((!said)); then
            echo "Waiting up to ten minutes for another package manager to finish ($lock is held) ..."
            said=1
        fi
        sleep 2
        waited=$((waited + 2))
    done
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    # On a fresh machine an update manager often runs at first login: wait for
    # it rather than fail at once. apt-get update does not wait for the lists'
    # lock by itself, so the script waits for all three; apt's own timeout
    # covers one that starts in between.
    wait_for_locks /var/lib/apt/lists/lock /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock
    apt_wait=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${apt_wait[@]}" update -qq
    "${sudo[@]}" apt-get "${apt_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

if [[ ! -f build/$preset/build.ninja ]]; then
    cmake --preset "$preset"
fi
cmake --build --preset "$preset" "${@:2}"
