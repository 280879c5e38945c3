#!/usr/bin/env bash
# Sets up a fresh machine, then builds and runs the whole test suite: the release build (which also
# builds the benchmarks, so that they cannot rot) and its install used from a temporary prefix, the
# AddressSanitizer + UndefinedBehaviorSanitizer build, and a short run of every fuzz target over its
# seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
  if [ "$preset" = release ]; then ./scripts/check-install.sh build/release; fi
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
# New inputs go to a scratch folder, so that the checked-in seed corpora stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in build/fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  mkdir -p "$scratch/$name"
  echo "smoke run of $name"
  "$target" -runs=20000 -max_len=512 "$scratch/$name" "$corpus" >/dev/null 2>&1 || {
    echo "$name failed"; "$target" -runs=20000 -max_len=512 "$scratch/$name" "$corpus"; exit 1; }
done
echo "all tests passed"
