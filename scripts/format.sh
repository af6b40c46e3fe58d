#!/usr/bin/env bash
# Formats the C++ sources with clang-format and the project's .clang-format;
# with --check, changes nothing and fails naming the files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench fuzz resources -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--check" ]; then
  differ=()
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
  done
  if [ "${#differ[@]}" -gt 0 ]; then
    printf 'Not formatted (run scripts/format.sh): %s\n' "${differ[@]}"
    exit 1
  fi
  echo "${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
