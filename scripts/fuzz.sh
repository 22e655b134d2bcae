#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer (address and
# undefined-behaviour sanitizers) in build-fuzz/ and runs each one for
# SECONDS (default 30), starting from its seed corpus and dictionary.
# A finding (crash, sanitizer report, leak, broken invariant) fails the
# script; its input is kept in build-fuzz/findings/<target>/.
set -euo pipefail
secs="${1:-30}"
cd "$(dirname "$0")/.."
targets=(buchungen xml kbx protokoll)
# Only some of them: scripts/fuzz.sh SECONDS kbx protokoll
[ $# -gt 1 ] && targets=("${@:2}")

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKUVEX_FUZZ=ON >/dev/null
nice -n 10 cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
  # The run's corpus grows outside the repository; the seeds stay small.
  work="build-fuzz/corpus/$t"
  findings="build-fuzz/findings/$t"
  mkdir -p "$work" "$findings"
  echo "== fuzz_$t for ${secs} s"
  if ! "build-fuzz/fuzz/fuzz_$t" -max_total_time="$secs" -timeout=20 -rss_limit_mb=4096 \
       -dict="fuzz/$t.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
       "$work" "fuzz/corpus/$t" 2>"build-fuzz/fuzz_$t.log"; then
    echo "fuzz_$t: FINDING, input in $findings/ (log build-fuzz/fuzz_$t.log)" >&2
    tail -n 40 "build-fuzz/fuzz_$t.log" >&2
    status=1
  fi
  # Executions and coverage of the run, from libFuzzer's own summary.
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build-fuzz/fuzz_$t.log" || true
  grep -E '#[0-9]+.*(DONE|pulse|NEW|REDUCE).*cov:' "build-fuzz/fuzz_$t.log" | tail -n 1 || true
done
exit $status
