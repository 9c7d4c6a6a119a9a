#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Quiet when all is there.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-charts-dev libgl-dev
  firebird3.0-server firebird3.0-utils firebird-dev libxlsxwriter-dev
  xvfb xauth x11-utils poppler-utils fonts-dejavu-core imagemagick clang)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Instalando: ${missing[*]}"
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
