#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file the project's licence line, once:
#   bash scripts/add_spdx.sh           adds the line where it is missing
#   bash scripts/add_spdx.sh --check   lists the files without it; exit 1 if any
# C++ files get it as their first line, CMake files too, shell scripts right
# after their #! line. A file that already names a licence is left as it is.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"
check=0
[ "${1:-}" = "--check" ] && check=1

missing=0
while IFS= read -r -d '' file; do
  if head -n 5 "$file" | grep -q "SPDX-License-Identifier:"; then
    continue
  fi
  if [ "$check" -eq 1 ]; then
    echo "no licence line: $file"
    missing=1
    continue
  fi
  case "$file" in
    *.cpp | *.h) line="// $licence" ;;
    *) line="# $licence" ;;
  esac
  tmp="$(mktemp "$file.XXXXXX")"
  if [[ "$file" == *.sh ]] && head -n 1 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } > "$tmp"
  else
    { echo "$line"; cat "$file"; } > "$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(find src tools autotests benchmarks resources scripts cmake CMakeLists.txt -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name CMakeLists.txt -o -name '*.sh' \) \
           -print0 | sort -z)
exit "$missing"
