#!/usr/bin/env bash
# The sanitizer part of the fault suite, run by CI after the test command:
#  1. the whole program and test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#     into build-asan/, and every test run there (any report fails the test that caused it);
#  2. the fuzz targets of Money and the display masks built with clang's libFuzzer into
#     build-fuzz/ and run for FUZZ_SECONDS each (default 60) over their committed corpora.
# Each step prints how long it took. Needs the packages of scripts/setup.sh (clang among them).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >/dev/null

fuzz_seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}
launcher=()
if command -v ccache >/dev/null; then
  cc="env;CCACHE_BASEDIR=$(dirname "$PWD");CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$cc" -DCMAKE_C_COMPILER_LAUNCHER="$cc")
fi
step() { echo "sanitize: $1"; start=$SECONDS; }
took() { echo "sanitize: $1 took $((SECONDS - start)) s"; }

# LeakSanitizer reports what the libraries below us keep until exit (font caches, the
# platform plugin); the suppressions name those libraries only, never our code.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

step "build with ASan and UBSan (build-asan)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined" \
  -DCMAKE_C_FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$jobs"
took "the sanitizer build"

step "the test suite under the sanitizers"
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 900)
took "the sanitizer test run"

step "build the fuzz targets with clang (build-fuzz)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" -DRENTORA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_money fuzz_masks
took "the fuzz build"

for target in fuzz_money fuzz_masks; do
  step "$target for $fuzz_seconds s"
  found=$(mktemp -d)
  # New inputs go into a scratch folder; the committed corpus is only read.
  ./build-fuzz/tests/fuzz/$target -max_total_time="$fuzz_seconds" -max_len=128 \
    -print_final_stats=1 "$found" "tests/fuzz/corpus/$target" 2>&1 | tail -n 12
  rm -rf "$found"
  took "$target"
done
echo "sanitize: no reports"
