#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz) and runs each for SECONDS seconds, two at a
# time at the lowest priority, starting from the checked-in corpus and dictionary of each target.
# New inputs go to build-fuzz/corpus/<target>; findings (crash-*, timeout-*, oom-*) to
# build-fuzz/findings/<target>. A timeout (2 s) or running out of memory (512 MB) is a finding.
#   fuzz/run-all.sh SECONDS [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run-all.sh SECONDS [target ...]}
shift
all_targets=(container design_body override_file sheet_layout sheet_template design_json)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

# clang with its libFuzzer runtime, from Debian, when missing.
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build-fuzz
# The data generators run during the build and are instrumented too; their leaks do not matter.
export ASAN_OPTIONS=detect_leaks=0
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DAW_BUILD_FUZZ=ON -DAW_BUILD_UI=OFF -DAW_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 19 cmake --build "$build" -j2 --target $(printf 'fuzz_%s ' "${targets[@]}")

# A smaller quarantine keeps freed blocks from counting against the 512 MB limit for long.
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0:quarantine_size_mb=64
export QT_QPA_PLATFORM=offscreen
run_one() {
  local t=$1
  local work="$build/corpus/$t" findings="$build/findings/$t"
  mkdir -p "$work" "$findings"
  # Fork mode with one worker keeps fuzzing after a timeout or running out of memory (both kept
  # as findings); a crash stops the run.
  nice -n 19 "$build/fuzz/fuzz_$t" "$work" "fuzz/corpus/$t" -dict="fuzz/dict/$t.dict" -fork=1 \
    -max_len=65536 -timeout=2 -rss_limit_mb=512 -max_total_time="$seconds" \
    -artifact_prefix="$findings/" >"$build/findings/$t.log" 2>&1 || true
  # On a busy machine a starved run can pass the 2 s wall-clock limit (or libFuzzer's slow-unit
  # mark), and a long run's memory can pass 512 MB without any one input needing it: a timeout,
  # slow unit or out-of-memory counts only when the input fails again on its own, at normal
  # priority.
  local f
  for f in "$findings"/timeout-* "$findings"/slow-unit-* "$findings"/oom-*; do
    [ -e "$f" ] || continue
    if timeout 10 "$build/fuzz/fuzz_$t" -timeout=2 -rss_limit_mb=512 "$f" >/dev/null 2>&1; then
      mkdir -p "$findings/unconfirmed"
      mv "$f" "$findings/unconfirmed/"
    fi
  done
  local runs found
  runs=$(grep -oE '^#[0-9]+' "$build/findings/$t.log" | tail -1 | tr -d '#')
  found=$(find "$findings" -maxdepth 1 -type f | wc -l)
  echo "$t: ${runs:-?} executions in ${seconds} s, ${found} findings"
}

# Two at a time: the machine has two cores.
i=0
for t in "${targets[@]}"; do
  run_one "$t" &
  i=$((i + 1))
  if [ $((i % 2)) -eq 0 ]; then wait; fi
done
wait
