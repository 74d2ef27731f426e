#!/usr/bin/env bash
# Set-up, build and run in one step, on a fresh Debian 12 machine.
#
#   ./build.sh gallery   install what is missing, build, run the gallery
#                        (without a display: write a PNG per page and say where)
#   ./build.sh test      install what is missing, build, run the whole test suite
#   ./build.sh screenshots
#                        install what is missing, build the gallery, refresh the
#                        README's pictures in doc/screenshots/ (first screen of a
#                        few pages, light and dark)
#
# Environment: BUILD_DIR (default: build), NALU_SANITIZE (e.g. address,undefined),
# JOBS (default: number of cores).
set -euo pipefail

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
gallery | test | screenshots) ;;
*)
    echo "usage: $0 gallery|test|screenshots" >&2
    exit 2
    ;;
esac

build_dir=${BUILD_DIR:-build}
jobs=${JOBS:-$(nproc)}

packages=(g++ cmake ninja-build pkg-config qtbase5-dev qtbase5-dev-tools libqt5svg5-dev fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake_args=(-S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ -n "${NALU_SANITIZE:-}" ]; then
    cmake_args+=(-DNALU_SANITIZE="$NALU_SANITIZE" -DCMAKE_BUILD_TYPE=Debug)
fi

if [ "$mode" = screenshots ]; then
    cmake "${cmake_args[@]}" -DNALU_BUILD_TESTS=OFF -DNALU_BUILD_GALLERY=ON
    cmake --build "$build_dir" --target gallery -j "$jobs"
    shots="$build_dir/readme-screenshots"
    rm -rf "$shots"
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots" --first-screen >/dev/null
    mkdir -p doc/screenshots
    rm -f doc/screenshots/*.png
    for page in 01-buttons 02-cards-and-expanders 03-sliders 04-cascading-view; do
        cp "$shots/$page-light.png" "$shots/$page-dark.png" doc/screenshots/
    done
    ls -l doc/screenshots
elif [ "$mode" = gallery ]; then
    cmake "${cmake_args[@]}" -DNALU_BUILD_TESTS=OFF -DNALU_BUILD_GALLERY=ON
    cmake --build "$build_dir" --target gallery -j "$jobs"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build_dir/gallery/nalu-gallery"
    fi
    shots="$build_dir/gallery-screenshots"
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots"
    echo "No display: the gallery pages were written as PNG files to $(cd "$shots" && pwd)"
else
    cmake "${cmake_args[@]}" -DNALU_BUILD_TESTS=ON -DNALU_BUILD_GALLERY=ON -DNALU_WARNINGS_AS_ERRORS=ON
    cmake --build "$build_dir" -j "$jobs"
    ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
fi
