#!/usr/bin/env bash
# The sanitizer part of the fault suite, run by CI after the test command:
#  1. the test suite built with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
#     (only what the tests need: every test and the libraries under it), and every test run
#     there, those on the throw-away PostgreSQL server too (any report fails the test that
#     caused it);
#  2. the fuzz targets of Money and the display masks built with clang's libFuzzer into
#     build-fuzz/ and run for FUZZ_SECONDS each (default 30) over their committed corpora.
# Both builds use clang (it compiles this code with the sanitizers about half again as fast as
# gcc) and keep only line tables as debug information, which is all a sanitizer report's stack
# needs. Each step prints how long it took. Needs the packages of scripts/setup.sh (clang among
# them).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >/dev/null

fuzz_seconds=${FUZZ_SECONDS:-30}
jobs=${JOBS:-$(nproc)}
launcher=()
if command -v ccache >/dev/null; then
  cc="env;CCACHE_BASEDIR=$(dirname "$PWD");CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$cc" -DCMAKE_C_COMPILER_LAUNCHER="$cc")
fi
step() { echo "sanitize: $1"; start=$SECONDS; }
took() { echo "sanitize: $1 took $((SECONDS - start)) s"; }

# Every leak is reported, the libraries' below us included: the suite needs no suppression.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_init_order=1"
unset LSAN_OPTIONS
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# LeakSanitizer stops the process's threads with ptrace; where the machine forbids that (some
# containers) every program would end with "LeakSanitizer has encountered a fatal error" at
# exit. Probed once with a program that leaks nothing: without ptrace the leak check is left
# out and said so, the address and undefined-behaviour checks still run.
probe=$(mktemp -d)
printf 'int main() { return 0; }\n' >"$probe/probe.c"
clang -fsanitize=address -o "$probe/probe" "$probe/probe.c"
if ! "$probe/probe" 2>"$probe/err"; then
  cat "$probe/err"
  echo "sanitize: LeakSanitizer cannot run on this machine; leak checks left out"
  export ASAN_OPTIONS="${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0}"
fi
rm -rf "$probe"

step "build the tests with ASan and UBSan (build-asan)"
# A debug build, so that Qt's own checks in its inline code (list bounds and the like) stay
# on, with the build type's full debug information left out.
flags="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_CXX_FLAGS_DEBUG= -DCMAKE_C_FLAGS_DEBUG= \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# Every test program is a target of its own name; the program, tools and benchmarks are left
# out. A test's run on the PostgreSQL server (NAME_pg) is the program NAME again, and the
# server's start and stop are no programs of ours.
mapfile -t programs < <(cd build-asan && ctest -N | sed -n 's/^ *Test *#[0-9]*: *//p' \
  | sed 's/_pg$//' | grep -v '^pg_server_' | sort -u)
cmake --build build-asan -j"$jobs" --target "${programs[@]}"
took "the sanitizer build"

step "the test suite under the sanitizers (${#programs[@]} programs, on files and on a server)"
# The server's client library and the program's own use of it (statements, streamed lists,
# moves) are checked as the rest is, with no suppression.
eval "$(./scripts/pg-test-server.sh start)"
root=$PWD
trap '"$root/scripts/pg-test-server.sh" stop "$RENTORA_TEST_PG_DIR"' EXIT
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 900)
"$root/scripts/pg-test-server.sh" stop "$RENTORA_TEST_PG_DIR"
trap - EXIT
took "the sanitizer test run"

step "build the fuzz targets with clang (build-fuzz)"
flags="-O2 -gline-tables-only -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE= "${launcher[@]}" \
  -DRENTORA_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_money fuzz_masks
took "the fuzz build"

for target in fuzz_money fuzz_masks; do
  step "$target for $fuzz_seconds s"
  found=$(mktemp -d)
  # New inputs go into a scratch folder; the committed corpus is only read. A crash or a
  # sanitizer report ends the run with an error, and this script with it.
  ./build-fuzz/tests/fuzz/$target -max_total_time="$fuzz_seconds" -max_len=128 \
    -print_final_stats=1 -artifact_prefix="$found/" "$found" "tests/fuzz/corpus/$target" \
    >"$found.log" 2>&1 || { tail -n 60 "$found.log"; rm -rf "$found" "$found.log"; exit 1; }
  tail -n 12 "$found.log"
  rm -rf "$found" "$found.log"
  took "$target"
done
echo "sanitize: no reports"
