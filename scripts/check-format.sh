#!/usr/bin/env bash
# Fails when a source file differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ((${#files[@]})); then
  clang-format --dry-run --Werror "${files[@]}"
fi
