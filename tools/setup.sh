#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, skipping what is there.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6opengl6-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev libbenchmark-dev libmuparser-dev
  xvfb xauth x11-utils
  fonts-noto-cjk fonts-liberation locales
  # Qt's own texts (standard buttons, file and colour dialogs) in Chinese.
  qt6-translations-l10n
  # The document reader's fuzz target: clang with libFuzzer.
  clang libclang-rt-14-dev
  # Tests: ffmpeg reads our videos back; gio types and opens files by our
  # association, whose caches the desktop's tools make.
  ffmpeg shared-mime-info libglib2.0-bin desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests prove that number texts do not depend on the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
