#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need, only those missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n fonts-dejavu-core
  libsndfile1-dev libpulse-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
