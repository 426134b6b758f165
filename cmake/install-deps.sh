#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libgl-dev
  libpugixml-dev libcurl4-openssl-dev libjpeg-dev
  libxlsxwriter-dev libfreexl-dev libzip-dev unixodbc-dev odbc-mdbtools libgsf-1-dev
  libgtest-dev libbenchmark-dev poppler-utils smitools
  fonts-dejavu-core fonts-liberation2
  xvfb xauth libxtst-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
