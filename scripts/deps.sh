#!/usr/bin/env bash
# Installs the Debian packages the calculator needs to build, run and test, skipping those already there.
# Usage: scripts/deps.sh [extra package ...]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libudunits2-dev
  libgtest-dev libbenchmark-dev
  fonts-noto-cjk qt6-translations-l10n
  fonts-wqy-zenhei fonts-dejavu-core poppler-utils
  xvfb xauth x11vnc
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
