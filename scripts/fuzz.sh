#!/usr/bin/env bash
# Builds the WAV reader fuzz target with libFuzzer, AddressSanitizer and UBSan
# (clang, straight from the sources it needs) and runs it for a bounded time
# on a seed corpus made on the fly. Fails on the first crash or broken
# invariant; the input that caused it is left in build/fuzz/.
#   FUZZ_SECONDS=60 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=${FUZZ_CXX:-clang++-14}
out=build/fuzz
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -Wall -Wextra -Isrc)

"$cxx" "${flags[@]}" -o "$out/wav_seeds" fuzz/wav_seeds.cpp src/wav/wave_octets.cpp
"$cxx" "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -o "$out/wav_reader_fuzz" fuzz/wav_reader_fuzz.cpp src/wav/*.cpp src/engine/number_text.cpp

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
"$out/wav_seeds" "$corpus"
"$out/wav_reader_fuzz" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" "$corpus"
