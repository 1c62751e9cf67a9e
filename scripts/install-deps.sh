#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config clang
          qtbase5-dev qttools5-dev-tools libqwt-qt5-dev
          libbenchmark-dev fonts-liberation xvfb xauth bzip2 tar libbz2-dev
          libarchive-dev qttools5-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
