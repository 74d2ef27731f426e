#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Set-up, build and run in one step, on a fresh Debian 12 machine.
#
#   ./build.sh gallery [--qt6]
#                        install what is missing, build, run the gallery against
#                        Qt 5 (or Qt 6); without a display, write a PNG per page
#                        and say where
#   ./build.sh test      install what is missing, build and run the whole test
#                        suite against Qt 5, then against Qt 6
#   ./build.sh screenshots
#                        install what is missing, build the gallery, refresh the
#                        README's pictures in doc/screenshots/ (first screen of a
#                        few pages, light and dark, one in Japanese and one
#                        laid out from right to left)
#   ./build.sh fuzz [SECONDS]
#                        install what is missing, build the libFuzzer targets of
#                        fuzz/ with clang (Qt 5, in BUILD_DIR-fuzz), run each for
#                        SECONDS (default 60) on its corpus and print the
#                        executions and findings per target
#   ./build.sh valgrind  install what is missing, build (Qt 5, as `test` does) and
#                        run the gallery's screenshot mode and the test suite
#                        under valgrind's memcheck
#   ./build.sh docs      install what is missing, write the API reference (HTML
#                        and a Qt help file) and say where; fails on any Doxygen
#                        warning
#   ./build.sh bench     install what is missing (valgrind, KDE's widget add-ons
#                        for the peer benchmarks), build the benchmarks in Release,
#                        run them under callgrind and print the performance table
#                        (also written to BUILD_DIR-bench/benchmarks.md); Qt 5 unless
#                        NALU_QT_VERSIONS says otherwise ("5 6": both, one table)
#
# Environment: BUILD_DIR (default: build; the Qt 6 build goes to the same name
# with -qt6 appended), NALU_QT_VERSIONS (the Qt major versions `test` builds,
# default "5 6"; `bench`: default "5"), NALU_SANITIZE (e.g. address,undefined), JOBS (default: number
# of cores).
set -euo pipefail

cd "$(dirname "$0")"
mode=${1:-}
qt_versions=(5)
case "$mode" in
test)
    read -r -a qt_versions <<<"${NALU_QT_VERSIONS:-5 6}"
    ;;
bench)
    read -r -a qt_versions <<<"${NALU_QT_VERSIONS:-5}"
    ;;
gallery)
    if [ "${2:-}" = --qt6 ]; then
        qt_versions=(6)
    elif [ -n "${2:-}" ]; then
        echo "usage: $0 gallery [--qt6]" >&2
        exit 2
    fi
    ;;
screenshots | valgrind | docs) ;;
fuzz)
    fuzz_seconds=${2:-60}
    if ! [[ "$fuzz_seconds" =~ ^[0-9]+$ ]] || [ "$fuzz_seconds" -lt 1 ]; then
        echo "usage: $0 fuzz [SECONDS]" >&2
        exit 2
    fi
    ;;
*)
    echo "usage: $0 gallery [--qt6] | test | screenshots | docs | bench | fuzz [SECONDS] | valgrind" >&2
    exit 2
    ;;
esac

build_base=${BUILD_DIR:-build}
jobs=${JOBS:-$(nproc)}

# fonts-droid-fallback: the Japanese glyphs of the translated screenshots
packages=(g++ cmake ninja-build pkg-config fonts-dejavu-core fonts-droid-fallback)
case "$mode" in
fuzz) packages+=(clang libclang-rt-14-dev) ;;
valgrind) packages+=(valgrind python3) ;;
esac
for version in "${qt_versions[@]}"; do
    case "$version" in
    5) packages+=(qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev) ;;
    6) packages+=(qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev) ;;
    *)
        echo "Unknown Qt major version '$version' (5 or 6)" >&2
        exit 2
        ;;
    esac
done
if [ "$mode" = docs ]; then
    packages+=(doxygen qhelpgenerator-qt5)
fi
if [ "$mode" = bench ]; then
    packages+=(valgrind python3 libkf5widgetsaddons-dev)
fi
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

# The build folder of a Qt major version: BUILD_DIR for Qt 5, BUILD_DIR-qt6 for Qt 6.
build_dir_for() {
    if [ "$1" = 5 ]; then echo "$build_base"; else echo "$build_base-qt$1"; fi
}

# Configures the build of Qt major version $1 with the further CMake arguments given.
configure() {
    local version=$1
    shift
    local args=(-S . -B "$(build_dir_for "$version")" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
        -DNALU_QT_MAJOR_VERSION="$version")
    if [ -n "${NALU_SANITIZE:-}" ]; then
        args+=(-DNALU_SANITIZE="$NALU_SANITIZE" -DCMAKE_BUILD_TYPE=Debug)
    fi
    if command -v ccache >/dev/null; then
        args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake "${args[@]}" "$@"
}

if [ "$mode" = bench ]; then
    build_base="$build_base-bench"
    bench_dirs=()
    for version in "${qt_versions[@]}"; do
        build_dir=$(build_dir_for "$version")
        configure "$version" -DCMAKE_BUILD_TYPE=Release -DNALU_BUILD_BENCHMARKS=ON -DNALU_BUILD_TESTS=OFF \
            -DNALU_BUILD_GALLERY=OFF
        cmake --build "$build_dir" --target benchmarks -j "$jobs"
        bench_dirs+=("$build_dir")
    done
    python3 benchmarks/bench_table.py "$build_base/benchmarks.md" "${bench_dirs[@]}"
elif [ "$mode" = fuzz ]; then
    build_base=$build_base-fuzz
    build_dir=$build_base
    configure 5 -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNALU_SANITIZE= \
        -DNALU_BUILD_FUZZERS=ON -DNALU_BUILD_TESTS=OFF -DNALU_BUILD_GALLERY=OFF
    cmake --build "$build_dir" --target fuzzers -j "$jobs"
    export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    summary=()
    found=0
    for target in fuzz_rangeslider fuzz_cascading fuzz_groups fuzz_flowlayout fuzz_popups; do
        work="$build_dir/fuzz-corpus/$target"
        findings="$build_dir/fuzz-findings/$target"
        mkdir -p "$work" "$findings"
        echo "=== $target: $fuzz_seconds s"
        log="$build_dir/fuzz-$target.log"
        # New inputs go to the work folder; the committed seeds are read only. Leaks are not checked per input:
        # Qt's font and style caches fill on first use and would be reported; the test suite runs under
        # LeakSanitizer in CI instead.
        "$build_dir/fuzz/$target" -max_total_time="$fuzz_seconds" -max_len=512 -timeout=20 -rss_limit_mb=4096 -detect_leaks=0 \
            -print_final_stats=1 -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" >"$log" 2>&1 || true
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        count=$(find "$findings" -type f | wc -l)
        if [ "$count" -gt 0 ]; then
            found=1
            grep -E 'ERROR|Invariant broken|runtime error|SUMMARY' "$log" | head -n 5 || true
        fi
        summary+=("$(printf '%-18s %12s executions %4s findings' "$target" "${executions:-?}" "$count")")
    done
    echo
    printf '%s\n' "${summary[@]}"
    if [ "$found" -ne 0 ]; then
        echo "Findings are in $build_dir/fuzz-findings/ (the logs in $build_dir/fuzz-*.log)" >&2
        exit 1
    fi
elif [ "$mode" = valgrind ]; then
    # The Qt 5 build of `test`, reused; every test CTest knows (the gallery's screenshot mode among them) runs
    # under memcheck, one after the other.
    build_dir=$(build_dir_for 5)
    configure 5 -DNALU_BUILD_TESTS=ON -DNALU_BUILD_GALLERY=ON -DNALU_WARNINGS_AS_ERRORS=ON
    cmake --build "$build_dir" -j "$jobs"
    ctest --test-dir "$build_dir" --show-only=json-v1 >"$build_dir/tests.json"
    python3 tools/run_valgrind.py "$build_dir/tests.json" "$PWD/.ci/valgrind.supp"
elif [ "$mode" = docs ]; then
    build_dir=$(build_dir_for 5)
    configure 5
    cmake --build "$build_dir" --target docs -j "$jobs"
    echo "API reference: $(cd "$build_dir/doc" && pwd)/html/index.html"
    echo "Qt help file (Qt Assistant, Qt Creator): $(cd "$build_dir/doc" && pwd)/NaluComponents.qch"
elif [ "$mode" = screenshots ]; then
    build_dir=$(build_dir_for 5)
    configure 5 -DNALU_BUILD_TESTS=OFF -DNALU_BUILD_GALLERY=ON
    cmake --build "$build_dir" --target gallery -j "$jobs"
    shots="$build_dir/readme-screenshots"
    rm -rf "$shots"
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots" --first-screen >/dev/null
    mkdir -p doc/screenshots
    rm -f doc/screenshots/0*.png # the gallery pages; doc/designer-screenshot.sh makes the Designer one
    for page in 01-buttons 02-cards-and-expanders 03-sliders 04-cascading-view; do
        cp "$shots/$page-light.png" "$shots/$page-dark.png" doc/screenshots/
    done
    # One page with the components' texts in Japanese.
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots" --first-screen --lang ja >/dev/null
    cp "$shots/07-display-widgets-light-ja.png" doc/screenshots/
    # One page laid out from right to left.
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots" --first-screen --rtl >/dev/null
    cp "$shots/04-cascading-view-light-rtl.png" doc/screenshots/
    ls -l doc/screenshots
elif [ "$mode" = gallery ]; then
    version=${qt_versions[0]}
    build_dir=$(build_dir_for "$version")
    configure "$version" -DNALU_BUILD_TESTS=OFF -DNALU_BUILD_GALLERY=ON
    cmake --build "$build_dir" --target gallery -j "$jobs"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build_dir/gallery/nalu-gallery"
    fi
    shots="$build_dir/gallery-screenshots"
    QT_QPA_PLATFORM=offscreen "$build_dir/gallery/nalu-gallery" --screenshot "$shots"
    echo "No display: the gallery pages were written as PNG files to $(cd "$shots" && pwd)"
else
    for version in "${qt_versions[@]}"; do
        build_dir=$(build_dir_for "$version")
        echo "=== Qt $version: $build_dir"
        configure "$version" -DNALU_BUILD_TESTS=ON -DNALU_BUILD_GALLERY=ON -DNALU_WARNINGS_AS_ERRORS=ON
        cmake --build "$build_dir" -j "$jobs"
        ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
    done
fi
