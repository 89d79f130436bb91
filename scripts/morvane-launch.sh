#!/usr/bin/env bash
# Starts Morvane in the per-user data directory, where it opens its two files by bare name.
# The shipped food table is put there when it is missing or older; the diary file is never
# touched. Installed as bin/morvane-launch beside the program; scripts/run.sh names the program
# and the food table of its build instead.
set -euo pipefail

here="$(cd "$(dirname "$(readlink -f "$0")")" && pwd)"
program="${MORVANE_PROGRAM:-$here/morvane}"
shipped_foods="${MORVANE_SHIPPED_FOODS:-$here/../share/morvane/foods.qeldb}"
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/morvane"

mkdir -p "$data_dir"
foods="$data_dir/foods.qeldb"
if [ ! -e "$foods" ] || [ "$shipped_foods" -nt "$foods" ]; then
  cp "$shipped_foods" "$foods.new"
  mv -f "$foods.new" "$foods"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Morvane needs a graphical desktop: no display found (DISPLAY is not set)." >&2
  exit 1
fi

cd "$data_dir"
exec "$program" "$@"
