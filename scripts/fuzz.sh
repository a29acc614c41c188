#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS on a fresh corpus seeded from
# tests/fixtures and from good files the game's own writers make. Fails on any crash, leak or
# undefined behaviour; the input that caused it is kept under $FUZZ_BUILD/fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
FUZZ_BUILD=${FUZZ_BUILD:-build-fuzz}
JOBS=${JOBS:-$(nproc)}
TARGETS=(quotecode quotefile plainquotes memory wordlist savedgame settings paste numbers ratings
         history)

CC=clang CXX=clang++ cmake -S . -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLO_FUZZ=ON -DQUILLO_WITH_QT=OFF -DQUILLO_TESTS=OFF -DQUILLO_BENCH=OFF >/dev/null
cmake --build "$FUZZ_BUILD" -j "$JOBS" --target fuzz_programs

bin="$FUZZ_BUILD/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts="$(cd "$FUZZ_BUILD" && pwd)/fuzz-artifacts"
"$bin/fuzz_seeds" "$work/seeds"

# The fixture files each target starts from, besides its own seeds and saved regression inputs.
fixtures_for() {
  case "$1" in
    quotefile) ls tests/fixtures/quotes/*.cqt ;;
    plainquotes) ls tests/fixtures/quotes/*.qot ;;
    history) ls tests/fixtures/history/*.txt ;;
  esac
  ls tests/fixtures/fuzz/"$1"-* 2>/dev/null || true
}

failed=()
printf '%-12s %12s  %s\n' target executions result
for target in "${TARGETS[@]}"; do
  corpus="$work/corpus/$target"
  mkdir -p "$corpus" "$artifacts/$target"
  cp "$work/seeds/$target"/* "$corpus"/
  for f in $(fixtures_for "$target"); do cp "$f" "$corpus"/; done
  log="$work/$target.log"
  result=ok
  if ! "$bin/fuzz_$target" "$corpus" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target/" -timeout=10 -rss_limit_mb=2048 >"$log" 2>&1; then
    result=FAILED
    failed+=("$target")
  fi
  executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -n 1)
  printf '%-12s %12s  %s\n' "$target" "${executions:-?}" "$result"
  if [ "$result" != ok ]; then
    grep -E 'ERROR|SUMMARY|fuzz check failed|runtime error|Test unit written' "$log" | head -n 20
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]} (inputs under $artifacts)"
  exit 1
fi
