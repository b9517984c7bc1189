#!/usr/bin/env bash
# Installs what building, testing and running need (Debian 12), when missing.
set -euo pipefail
pkgs=(g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      qt6-base-dev libgraphviz-dev graphviz bison xdg-utils fonts-dejavu-core
      libgl-dev clang libclang-rt-14-dev ghostscript)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
