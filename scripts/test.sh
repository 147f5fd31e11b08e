#!/usr/bin/env bash
# Installs what is missing, builds release and the sanitizer build, runs every
# test, checks formatting and that the benchmarks still compile.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/check-format.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset debug
cmake --build --preset debug
ctest --preset debug

if [ -x scripts/fuzz.sh ]; then bash scripts/fuzz.sh; fi

cmake --preset bench
cmake --build --preset bench
