#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12 (run as root).
# Quick and silent when nothing is missing.
set -euo pipefail

packages=(
    cmake g++ make googletest libgtest-dev libgmock-dev libssl-dev openssl libbenchmark-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine32:i386 wine64 xvfb x11-utils imagemagick fonts-wqy-zenhei locales
    liblnk-utils python3 python3-yaml clang-format strace
    wixl msitools osslsigncode unzip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine derives the ANSI code page from the locale: the tests run in Chinese
# (936), Traditional Chinese (950), Japanese (932) and English (1252).
generate=0
for locale in zh_CN zh_TW ja_JP en_US; do
    if ! locale -a 2>/dev/null | grep -qix "$locale.utf8"; then
        sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" >>/etc/locale.gen
        generate=1
    fi
done
if [ $generate = 1 ]; then
    echo "Generating the test locales"
    locale-gen >/dev/null
fi
