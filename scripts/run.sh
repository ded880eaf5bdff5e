#!/usr/bin/env bash
# Installs what is missing, builds Kelvara and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_BUILD_TESTS=OFF -DKELVARA_BUILD_BENCH=OFF
cmake --build build --target kelvara kelvara-cli
exec build/src/kelvara "$@"
