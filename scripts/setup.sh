#!/usr/bin/env bash
# Installs what Morvane needs on Debian 12, and nothing that is already there. Uses sudo when
# not run as root.
#   setup.sh            what building and running the program need
#   setup.sh --test     that, plus the tools of the test command
#   setup.sh --package  that, plus the tools that make and check the Debian package
set -euo pipefail

build_and_run=(
  build-essential cmake pkg-config
  libsqlite3-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev libfontconfig-dev
  fonts-liberation xdg-utils
)
test_tools=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core locales-all sqlite3 xvfb xauth
)
package_tools=(dpkg-dev file lintian desktop-file-utils appstream)

packages=("${build_and_run[@]}")
for flag in "$@"; do
  case "$flag" in
    --test) packages+=("${test_tools[@]}") ;;
    --package) packages+=("${package_tools[@]}") ;;
    *) echo "usage: setup.sh [--test] [--package]" >&2; exit 1 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
