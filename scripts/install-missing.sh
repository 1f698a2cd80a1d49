#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are not installed yet (as root, or
# through sudo), so that the scripts calling it are safe to run again.
set -euo pipefail

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
