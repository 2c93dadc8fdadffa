#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
# Sourced by ./run and ./test; safe to run again.
aircooler_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    fonts-liberation2 poppler-utils xdg-utils file
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
