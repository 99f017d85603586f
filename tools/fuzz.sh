#!/usr/bin/env bash
# Fuzzes every place where outside bytes enter the core library, one target
# after the other, with clang's libFuzzer and the address and undefined-
# behaviour sanitizers.
#   tools/fuzz.sh [seconds per target] [target...]
# Targets: listfile statisticsfile framing filemessage discovery liverecord
# isoxml archive archiveinbox bill.
# The seed corpus (tests/fuzz/corpus) is copied into build-fuzz/corpus, where
# the fuzzer keeps what it learns between runs. A finding is minimised into
# tests/fuzz/regressions/<target>/, which the replay test (tst_fuzzreplay)
# runs in every ./test.sh from then on.
set -u
VEMO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_PER_TARGET="${1:-60}"
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(listfile statisticsfile framing filemessage discovery liverecord isoxml archive archiveinbox bill)
BUILD="${VEMO_FUZZ_BUILD_DIR:-$VEMO_ROOT/build-fuzz}"
FUZZ_DIR="$VEMO_ROOT/tests/fuzz"

. "$VEMO_ROOT/tools/ensure-packages.sh"
VEMO_PACKAGES="$VEMO_PACKAGES clang libclang-rt-14-dev"
vemo_ensure_packages

cmake -S "$VEMO_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$BUILD" --target $(printf 'fuzz_%s ' "${TARGETS[@]}") || exit 1

# Without the allocation stacks: several times faster, and a finding is
# replayed with them when it is minimised.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:symbolize=1:malloc_context_size=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in "${TARGETS[@]}"; do
  corpus="$BUILD/corpus/$target"
  findings="$BUILD/findings/$target"
  mkdir -p "$corpus" "$findings" "$FUZZ_DIR/regressions/$target"
  cp -n "$FUZZ_DIR/corpus/$target/"* "$corpus/" 2>/dev/null
  cp -n "$FUZZ_DIR/regressions/$target/"* "$corpus/" 2>/dev/null
  log="$BUILD/fuzz-$target.log"
  echo "== $target: $SECONDS_PER_TARGET s"
  "$BUILD/tests/fuzz/fuzz_$target" "$corpus" -dict="$FUZZ_DIR/vemo.dict" \
    -max_total_time="$SECONDS_PER_TARGET" -max_len="${VEMO_FUZZ_MAX_LEN:-2048}" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  # The last status line: executions, coverage, features, corpus.
  grep -E '^#[0-9]+' "$log" | tail -n 1
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log"
  if [ $rc -ne 0 ]; then
    status=1
    for crash in "$findings"/*; do
      [ -f "$crash" ] || continue
      name="$(basename "$crash")"
      echo "   finding: $name (see $log)"
      "$BUILD/tests/fuzz/fuzz_$target" -minimize_crash=1 -max_total_time=60 \
        -exact_artifact_path="$FUZZ_DIR/regressions/$target/$name" "$crash" >>"$log" 2>&1 ||
        cp "$crash" "$FUZZ_DIR/regressions/$target/$name"
      echo "   saved: tests/fuzz/regressions/$target/$name"
      rm -f "$crash"
    done
  fi
done
exit $status
