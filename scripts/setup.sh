#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and look at the editor,
# and generates the locales the suite runs under. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  fonts-liberation fontconfig
  xvfb xauth tidy
  clang-format
  locales
)
# And those a script names besides (scripts/test-windows.sh: the cross compiler and Wine).
packages+=("$@")

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The suite runs again under a comma-decimal locale and under the Turkish one (dotted and dotless i).
for name in de_DE tr_TR; do
  locale -a 2>/dev/null | grep -qi "^${name}\.utf-\?8$" || $sudo_cmd localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
