#!/usr/bin/env bash
# Installs what is missing, builds the release and starts the workbench.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/app/marvillons "$@"
