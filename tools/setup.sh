#!/usr/bin/env bash
# Installs what building and testing Dravelin needs, from Debian's packages.
# Quick when everything is there already; run as root on Debian 12.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix   || need+=(g++-mingw-w64-i686)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64)
have cmake   || need+=(cmake)
have make    || need+=(make)
# Only the 64-bit Wine loader: this machine runs no 32-bit Linux programs.
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have wineserver || need+=(wine)
have Xvfb    || need+=(xvfb)
have xdotool || need+=(xdotool)
have xauth   || need+=(xauth)
have import  || need+=(imagemagick)
have python3 || need+=(python3)
[ -d /usr/src/googletest ] || need+=(googletest)
fc-list 2>/dev/null | grep -qi 'wqy' || need+=(fonts-wqy-microhei)
[ -f /etc/locale.gen ] || need+=(locales)

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null
  apt-get install -y -q "${need[@]}" >/dev/null
fi

# Code page 936 under Wine needs the zh_CN.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
