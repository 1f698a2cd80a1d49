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

"$(dirname "$0")/install-missing.sh" "${packages[@]}"

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

# The suite runs again under a comma-decimal locale and under the Turkish one (dotted and dotless i).
for name in de_DE tr_TR; do
  locale -a 2>/dev/null | grep -qi "^${name}\.utf-\?8$" || $sudo_cmd localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
