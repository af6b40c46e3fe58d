#!/usr/bin/env bash
# Formats the C++ sources with clang-format and the project's .clang-format;
# with --check, changes nothing and fails naming the files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench fuzz resources -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--check" ]; then
  # One run over every file; each difference is reported as "FILE:LINE:COL: error: ...".
  if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    echo "Not formatted (run scripts/format.sh):"
    grep -oE '^[^:]+\.(cpp|h):' <<<"$report" | sort -u | sed 's/:$//'
    exit 1
  fi
  echo "${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
