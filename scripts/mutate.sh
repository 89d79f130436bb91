#!/usr/bin/env bash
# Plants known faults (scripts/mutations.txt) one at a time, rebuilds the plain build, runs the
# tests and counts a fault caught when any test fails. Every planted file is put back byte for
# byte, also on Ctrl-C; its new modification time makes the next build compile that one file
# again. Slow (one rebuild and one test run a fault): not part of CI.
#
#   bash scripts/mutate.sh            every fault in the list
#   bash scripts/mutate.sh NAME...    only the named faults
#   bash scripts/mutate.sh --check    only check that every fault's text is still found once
#
# MUTATE_TIMEOUT sets the seconds one test may run before it counts as failed (default 120),
# so a fault that makes a test hang is caught rather than stalling the run.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

list=scripts/mutations.txt
build=build
timeout=${MUTATE_TIMEOUT:-120}
jobs=2

# --- the list: name <TAB> file <TAB> original text <TAB> replacement, one fault a line; in the
# two texts \n stands for a line break, \t for a tab and \\ for a backslash.
names=() files=() originals=() replacements=()
line_no=0
while IFS= read -r line || [ -n "$line" ]; do
  line_no=$((line_no + 1))
  [[ -z "$line" || "$line" == \#* ]] && continue
  # An empty replacement leaves three fields; anything else is a broken line.
  tabs=${line//[^$'\t']/}
  if [ ${#tabs} -ne 3 ]; then
    echo "$list:$line_no: expected four tab-separated fields" >&2
    exit 2
  fi
  rest=$line
  names+=("${rest%%$'\t'*}"); rest=${rest#*$'\t'}
  files+=("${rest%%$'\t'*}"); rest=${rest#*$'\t'}
  originals+=("${rest%%$'\t'*}"); rest=${rest#*$'\t'}
  replacements+=("$rest")
done < "$list"

declare -A index_of=()
for i in "${!names[@]}"; do
  if [ -n "${index_of[${names[$i]}]:-}" ]; then
    echo "$list: fault ${names[$i]} is listed twice" >&2
    exit 2
  fi
  index_of[${names[$i]}]=$i
done

check_only=0
selected=()
for arg in "$@"; do
  if [ "$arg" = --check ]; then
    check_only=1
  elif [ -n "${index_of[$arg]:-}" ]; then
    selected+=("${index_of[$arg]}")
  else
    echo "no fault named $arg in $list" >&2
    exit 2
  fi
done
[ ${#selected[@]} -eq 0 ] && selected=("${!names[@]}")

# Counts the original text in the file (prints the count); with "plant" and a count of one,
# replaces it. Texts arrive in the environment so quotes and | need no escaping.
edit() {
  MUTATE_FROM=$2 MUTATE_TO=$3 perl -e '
    sub unescape { my $s = shift; $s =~ s/\\(.)/$1 eq "n" ? "\n" : $1 eq "t" ? "\t" : $1/ge; $s }
    my ($mode, $file) = @ARGV;
    my $from = unescape($ENV{MUTATE_FROM});
    my $to = unescape($ENV{MUTATE_TO});
    open(my $in, "<:raw", $file) or do { print 0; exit };
    my $text = do { local $/; <$in> };
    close $in;
    my $count = length($from) ? () = $text =~ /\Q$from\E/g : 0;
    print $count;
    exit if $mode ne "plant" || $count != 1;
    substr($text, index($text, $from), length $from) = $to;
    open(my $out, ">:raw", $file) or die "cannot write $file\n";
    print $out $text;
    close $out or die "cannot write $file\n";
  ' "$1" "$4"
}

if [ $check_only -eq 1 ]; then
  stale=0
  for i in "${selected[@]}"; do
    count=$(edit count "${originals[$i]}" "" "${files[$i]}")
    if [ "$count" != 1 ]; then
      printf '%-8s %s (found %s times in %s)\n' STALE "${names[$i]}" "$count" "${files[$i]}"
      stale=$((stale + 1))
    fi
  done
  echo "${#selected[@]} faults listed, $stale stale"
  [ $stale -eq 0 ]
  exit
fi

# --- put back whatever is planted, however the script ends
work=$(mktemp -d)
planted_file=""
restore() {
  if [ -n "$planted_file" ]; then
    # Copied over, not moved: the file keeps its mode, and its new time makes the next build
    # compile it again.
    cp "$work/original" "$planted_file"
    planted_file=""
  fi
}
finish() {
  restore
  rm -rf "$work"
}
# Builds and test runs go in a process group of their own and the script waits for them, so an
# interrupt reaches the script at once, whatever the build tool makes of it, and ends them all.
step=""
run() {
  setsid "$@" &
  step=$!
  wait "$step"
  local status=$?
  step=""
  return $status
}
interrupted() {
  if [ -n "$step" ]; then
    kill -TERM -- -"$step" 2>/dev/null
    wait "$step"
  fi
  restore
  # Fd 3 is the script's own error output: the interrupted step's log redirection still holds.
  echo "interrupted: every planted file is restored" >&3
  exit 130
}
exec 3>&2
trap finish EXIT
trap interrupted INT TERM

status_before=$(git status --porcelain)

echo "== build and test without faults"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_BENCH=ON >/dev/null || exit 1
if ! run cmake --build "$build" -j "$jobs" >"$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log"
  echo "the tree does not build without faults" >&2
  exit 1
fi
if ! run ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" >"$work/test.log" 2>&1; then
  sed -n '/tests FAILED:/,$p' "$work/test.log"
  echo "tests fail without faults: nothing could be counted" >&2
  exit 1
fi

echo "== faults"
started=$SECONDS
caught=0
missed=()
stale=0
invalid=0
for i in "${selected[@]}"; do
  name=${names[$i]}
  file=${files[$i]}
  fault_started=$SECONDS
  if [ "$(edit count "${originals[$i]}" "" "$file")" != 1 ]; then
    printf '%-8s %s\n' STALE "$name"
    stale=$((stale + 1))
    continue
  fi
  cp "$file" "$work/original"
  planted_file=$file
  if ! edit plant "${originals[$i]}" "${replacements[$i]}" "$file" >/dev/null; then
    restore
    echo "cannot plant $name in $file" >&2
    exit 1
  fi
  if ! run cmake --build "$build" -j "$jobs" >"$work/build.log" 2>&1; then
    restore
    compiler_error=$(grep -m1 -E ': error:|undefined reference' "$work/build.log")
    if [ -n "$compiler_error" ]; then
      printf '%-8s %s: %s\n' INVALID "$name" "$compiler_error"
      invalid=$((invalid + 1))
    else
      # It compiled, and a build step that runs our code (the food table generator) failed.
      printf '%-8s %s (%ds, by the build: %s)\n' caught "$name" $((SECONDS - fault_started)) \
        "$(sed -n '/\*\*\*.*Error/{x;p;q};h' "$work/build.log")"
      caught=$((caught + 1))
    fi
    continue
  fi
  if run ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" --stop-on-failure \
      >"$work/test.log" 2>&1; then
    restore
    printf '%-8s %s (%ds)\n' MISSED "$name" $((SECONDS - fault_started))
    missed+=("$name")
  else
    restore
    by=$(sed -n '/tests FAILED:/{n;p;q}' "$work/test.log" | sed -E 's/^[[:space:]]*[0-9]+ - //')
    printf '%-8s %s (%ds, by %s)\n' caught "$name" $((SECONDS - fault_started)) "${by:-a test}"
    caught=$((caught + 1))
  fi
done

echo "== rebuild without faults"
run cmake --build "$build" -j "$jobs" >"$work/build.log" 2>&1 || tail -n 30 "$work/build.log"

planted=$((caught + ${#missed[@]}))
echo
echo "caught $caught/$planted in $(((SECONDS - started) / 60)) min"
[ $stale -gt 0 ] && echo "stale: $stale (text not found exactly once; fix the list)"
[ $invalid -gt 0 ] && echo "invalid: $invalid (did not compile; fix the list)"
[ ${#missed[@]} -gt 0 ] && echo "missed: ${missed[*]}"
if [ "$(git status --porcelain)" != "$status_before" ]; then
  echo "the working tree differs from before the run:" >&2
  git status --short >&2
  exit 1
fi
[ ${#missed[@]} -eq 0 ] && [ $stale -eq 0 ] && [ $invalid -eq 0 ]
