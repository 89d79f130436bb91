#!/usr/bin/env bash
# Installs what is missing, builds Morvane and starts it in the per-user data directory
# (${XDG_DATA_HOME:-~/.local/share}/morvane).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build="$PWD/build-release"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

MORVANE_PROGRAM="$build/bin/morvane" MORVANE_SHIPPED_FOODS="$build/foods.qeldb" \
  exec sh scripts/morvane-launch.sh "$@"
