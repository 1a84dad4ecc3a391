#!/usr/bin/env bash
# Usage: tools/fuzz.sh SECONDS [TARGET...]
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour sanitizers
# into build-fuzz/ and runs each (or the ones named) for SECONDS seconds from its checked-in seeds,
# as many at once as there are cores. Prints each target's executions, coverage, peak memory and
# slowest input, and every crash with its report; exits non-zero when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
build=${VELMORA_FUZZ_BUILD:-build-fuzz}
jobs=$(nproc)

# target  seed folder  longest input  extra flags
targets=(
  "fuzz-decompress      decompress      8192  -dict=tools/fuzz/decompress.dict"
  "fuzz-cardset-prefix  cardset         4096  "
  "fuzz-cardset         cardset         16384 "
  "fuzz-player-library  player-library  4096  "
  "fuzz-ini             ini             4096  -dict=tools/fuzz/ini.dict"
  "fuzz-bmp             bmp             8192  "
  "fuzz-jpeg            jpeg            8192  "
  "fuzz-image           image           8192  "
)
# fuzz-image skips the inputs that declare a picture of more than half a million pixels the
# readers would take (a drawing of a few bytes may declare 40 million): under the sanitizers those
# take seconds and hundreds of MB, so every target keeps the same one-second and 256 MB limits.

chosen=()
for entry in "${targets[@]}"; do
  read -r name _ <<<"$entry"
  if [ $# -eq 0 ] || [[ " $* " == *" $name "* ]]; then
    chosen+=("$entry")
  fi
done
if [ ${#chosen[@]} -eq 0 ]; then
  echo "fuzz.sh: no such target: $*" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON \
  -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null
names=()
for entry in "${chosen[@]}"; do read -r name _ <<<"$entry"; names+=("$name"); done
if ! cmake --build "$build" -j"$jobs" --target "${names[@]}" >"$build/fuzz-build.log" 2>&1; then
  cat "$build/fuzz-build.log"
  exit 1
fi

# The memory limit counts the freed memory the address sanitizer holds back to catch late uses;
# the picture readers free tens of MB an input, so its default hold of 256 MB alone would pass the
# limit. A smaller hold still catches a use soon after the free.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16"

logs="$build/fuzz-logs"
mkdir -p "$logs" "$build/fuzz-artifacts"

# Runs one target; the new inputs it finds go to a work corpus in the build folder, never to the
# checked-in seeds.
run_target() {
  local name=$1 seeds=$2 max_len=$3
  shift 3
  local work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  "$build/bin/$name" "$work" "tools/fuzz/corpus/$seeds" \
    -max_total_time="$seconds" -rss_limit_mb=256 -timeout=1 -max_len="$max_len" \
    -artifact_prefix="$build/fuzz-artifacts/$name-" -print_final_stats=1 "$@" \
    >"$logs/$name.log" 2>&1
}

# The slowest input of the corpus the run left, each run once on its own.
slowest_input() {
  local name=$1
  find "$build/fuzz-corpus/$name" -type f -print0 |
    xargs -0 -r "$build/bin/$name" -rss_limit_mb=256 -timeout=10 2>&1 |
    sed -n 's/^Executed \(.*\) in \([0-9]*\) ms$/\2 \1/p' | sort -n | tail -1
}

report() {
  local name=$1 status=$2 log="$logs/$1.log"
  local runs cov rss
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    local slow
    slow=$(slowest_input "$name")
    echo "$name: ${runs:-?} executions in ${seconds} s, cov: ${cov:-?}, peak RSS ${rss:-?} MB," \
      "slowest input ${slow%% *} ms (${slow#* })"
  else
    echo "$name: CRASH after ${runs:-?} executions (exit $status); the report:"
    grep -v -E '^(#[0-9]+|INFO:|MERGE|Loaded|Running|Executed)' "$log" | tail -60
    grep -E 'Test unit written to|artifact_prefix' "$log" || true
  fi
}

declare -A pids=()
crashed=0
finish_one() {
  local done_pid name status=0
  wait -n -p done_pid "${pids[@]}" || status=$?
  for name in "${!pids[@]}"; do
    if [ "${pids[$name]}" = "$done_pid" ]; then
      unset "pids[$name]"
      report "$name" "$status"
      [ "$status" -eq 0 ] || crashed=$((crashed + 1))
    fi
  done
}

for entry in "${chosen[@]}"; do
  read -r name seeds max_len extra <<<"$entry"
  while [ ${#pids[@]} -ge "$jobs" ]; do finish_one; done
  # shellcheck disable=SC2086 # extra holds separate flags
  run_target "$name" "$seeds" "$max_len" $extra &
  pids[$name]=$!
done
while [ ${#pids[@]} -gt 0 ]; do finish_one; done

passed=$((${#chosen[@]} - crashed))
echo "fuzz: $passed passed, $crashed failed"
if [ "$crashed" -ne 0 ]; then
  echo "fuzz.sh: the inputs that crashed are in $build/fuzz-artifacts/"
  exit 1
fi
