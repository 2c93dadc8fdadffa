#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
# Sourced by ./run and ./test; safe to run again.
aircooler_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # The selection diagram: Qt Charts, whose CMake files need the OpenGL module's, which
    # Debian's package does not pull in; SVG for the command-line tool's pictures.
    qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    pandoc dpkg-dev desktop-file-utils appstream lintian
    # The report: a word processor and a PDF reader test it end to end, the fonts it names are
    # metric-compatible substitutes, and the desktop's opener is tested with a default
    # application of the test's own.
    libreoffice-writer-nogui poppler-utils fonts-liberation2 xdg-utils file
    # The sanitizer tree and the fuzz targets: clang with its sanitizer and libFuzzer
    # runtimes, and the symbolizer that turns their findings into file and line.
    clang-14 libclang-rt-14-dev llvm-14
    # The golden record of the command-line tool's outputs: its generator and check.
    python3
    # The dimensions page: printing through a CUPS server the tests start, to a PDF queue.
    cups printer-driver-cups-pdf
)

aircooler_missing=()
for p in "${aircooler_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        aircooler_missing+=("$p")
    fi
done

if [ ${#aircooler_missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${aircooler_missing[*]}"
    sudo_cmd=""
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
        "${aircooler_missing[@]}"
fi
