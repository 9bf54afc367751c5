#!/usr/bin/env bash
# Installs what is missing, builds, and runs every automated test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --preset default "$@"
