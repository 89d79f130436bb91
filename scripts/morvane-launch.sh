#!/bin/sh
# Starts Morvane in the per-user data folder, where it opens its two files by bare name.
# Installed as bin/morvane; the program lives in lib/morvane/ and the shipped food table in
# share/morvane/ of the same prefix. scripts/run.sh names those of its build instead.
#
# The food table there is replaced by the shipped one when it is missing, empty or older; the
# diary (morvane.qeldb) and backups/ are never touched.
set -eu

here=$(dirname "$(readlink -f "$0")")
program=${MORVANE_PROGRAM:-$here/../lib/morvane/morvane}
shipped_foods=${MORVANE_SHIPPED_FOODS:-$here/../share/morvane/foods.qeldb}

# A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
case ${XDG_DATA_HOME:-} in
  /*) data_home=$XDG_DATA_HOME ;;
  *) data_home=$HOME/.local/share ;;
esac
data_dir=$data_home/morvane

# The copy keeps the shipped file's time, so a later package's table is newer and replaces it.
refresh_foods() {
  foods=$data_dir/foods.qeldb
  if [ -s "$foods" ] && [ -z "$(find "$shipped_foods" -newer "$foods" 2>/dev/null)" ]; then
    return 0
  fi
  if ! [ -r "$shipped_foods" ]; then
    echo "morvane: the shipped food table $shipped_foods is missing" >&2
    return 1
  fi
  partial=$(mktemp "$data_dir/.foods.qeldb.XXXXXX") || return 1
  if cp -p "$shipped_foods" "$partial" && mv -f "$partial" "$foods"; then
    return 0
  fi
  rm -f "$partial"
  echo "morvane: could not copy the food table to $foods" >&2
  return 1
}

if ! mkdir -p "$data_dir"; then
  echo "morvane: cannot create the data folder $data_dir" >&2
  exit 2
fi
# Without a food table the diary still works; the foods panel says the table is missing.
refresh_foods || true

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Morvane needs a graphical desktop: no display found (DISPLAY is not set)." >&2
  exit 1
fi

# The program runs in the data folder, so the file names it is given are made absolute first.
for arg; do
  shift
  case ${previous:-}:$arg in
    --export-csv:[!/-]* | --import-csv:[!/-]* | --export-food-log:[!/-]*) arg=$PWD/$arg ;;
  esac
  set -- "$@" "$arg"
  previous=$arg
done

cd "$data_dir"
exec "$program" "$@"
