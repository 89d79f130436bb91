#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in fuzz-build/ and runs each for SECONDS seconds
# (default 60) on a copy of its corpus in fuzz/corpus/, which stays as committed. Exits non-zero
# when any target reports a crash, a sanitizer error, a leak, a broken promise or a hang; its log
# and the input that caused it are kept in fuzz-build/runs/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(fuzz_diary_file fuzz_diary_csv fuzz_foods_file fuzz_search_filter fuzz_date_parse fuzz_version_block)

CC=clang CXX=clang++ cmake -S . -B fuzz-build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVANE_GUI=OFF -DMORVANE_TESTS=OFF -DMORVANE_FUZZ=ON -DMORVANE_WERROR=ON >/dev/null
cmake --build fuzz-build -j "$(nproc)" --target "${targets[@]}"

# SQLite syncs every commit; the targets' scratch files live in memory when they can.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

failed=0
for target in "${targets[@]}"; do
  run=fuzz-build/runs/$target
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/findings"
  cp fuzz/corpus/"$target"/* "$run/corpus/"
  echo "== $target, $seconds s"
  if fuzz-build/fuzz/"$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$run/findings/" "$run/corpus" >"$run/log" 2>&1; then
    grep -E "stat::number_of_executed_units" "$run/log" || true
  else
    failed=1
    tail -n 40 "$run/log"
    echo "FINDING in $target: see $run/log and $run/findings/"
  fi
done
exit $failed
