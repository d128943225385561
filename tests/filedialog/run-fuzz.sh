#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Builds the file dialog's fuzz target with clang and libFuzzer in a build
# tree of its own, then fuzzes the result parser for a few seconds.
# Exits 77 (skipped) when clang or libFuzzer is not installed.
# Usage: run-fuzz.sh <source dir> <build dir>
set -euo pipefail

source_dir=$1
build_dir=$2
skip=77

clang=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$clang" ]; then
  echo "fuzzing skipped: clang++ is not installed (scripts/install-deps installs it)"
  exit $skip
fi

mkdir -p "$build_dir"
probe=$build_dir/probe.cpp
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' >"$probe"
if ! "$clang" -fsanitize=fuzzer "$probe" -o "$build_dir/probe" 2>/dev/null; then
  echo "fuzzing skipped: $clang cannot link libFuzzer (package libclang-rt-14-dev)"
  exit $skip
fi

# The project's warnings are kept as errors for g++; clang's own set need not stop a fuzz run.
cmake -S "$source_dir" -B "$build_dir/tree" -G Ninja \
  -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF -DTINTWELL_FUZZ=ON >"$build_dir/configure.log" ||
  { cat "$build_dir/configure.log"; exit 1; }
cmake --build "$build_dir/tree" --target fuzz_parse_returned_name

# A few inputs that reach each form of answer; libFuzzer grows its corpus from
# them. Every run starts afresh from these, with the same random seed.
corpus=$build_dir/corpus
rm -rf "$corpus"
mkdir -p "$corpus"
printf '\x02\x11\x00/Pictures/red.bmpred.bmp' >"$corpus/single"
printf '\x03\x16\x00/Pictures\0a.bmp\0b.bmp\0a.bmp' >"$corpus/multi"
printf '\x03\x0e\x00/\0a.bmp\0b.bmp\0a.bmp' >"$corpus/root"
printf '\x00\x04\x00\0\0\0\0' >"$corpus/nuls"
printf '\x00\x04\x00    ' >"$corpus/spaces"

cd "$build_dir"
./tree/tests/filedialog/fuzz_parse_returned_name -seed=1 -max_total_time=5 -max_len=4096 \
  -print_final_stats=1 "$corpus"
