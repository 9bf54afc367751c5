#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (the `fuzz` preset) and runs each for a while with libFuzzer,
# one after the other, niced and in one job, since the machine is shared.
#   bash scripts/fuzz.sh [seconds per target] [target ...]      (default 300 s, every target)
# New inputs go to build/fuzz/corpus/<target>/, failing ones to build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-300}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(count_reader baltic_codec session_reader commit_record settings_report formula_text)

bash scripts/setup.sh --fuzz
[ -f /root/.ccache_env ] && source /root/.ccache_env
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export QT_QPA_PLATFORM=offscreen
top="$PWD"
mkdir -p build/fuzz/crashes
for t in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus/$t"
  echo "== ${t}_fuzz for ${seconds} s"
  # Absolute names: the targets work in folders of their own.
  (cd build/fuzz && nice -n 10 ./autotests/fuzz/"$t"_fuzz -jobs=1 -workers=1 -max_total_time="$seconds" \
      -max_len=8192 -timeout=10 -artifact_prefix="$top/build/fuzz/crashes/" \
      "$top/build/fuzz/corpus/$t" "$top/autotests/fuzz/corpus/$t") || true
  tail -n 3 "build/fuzz/fuzz-0.log"
done
ls build/fuzz/crashes
[ -z "$(ls -A build/fuzz/crashes)" ]
