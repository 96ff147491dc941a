#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and is missing.
# Safe to run again: it installs nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang clang-format clang-tidy
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  python3 xvfb xauth fonts-dejavu-core
  at-spi2-core dbus-x11
  dpkg-dev file desktop-file-utils
  g++-mingw-w64-x86-64 wine64 wine
  libfuzzer-14-dev libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando pacotes ausentes: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
