#!/usr/bin/env bash
# Fails when clang-format (with the repository's .clang-format) would change
# any tracked C or C++ file; lists those files.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r -d '' f; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done < <(git ls-files -z -- '*.cpp' '*.h' '*.c' 2>/dev/null ||
  find . -path ./build -prune -o -path './build-*' -prune -o -path ./.git -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0)
if [ ${#bad[@]} -gt 0 ]; then
  printf 'clang-format would change:\n' >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "clang-format: every file is formatted"
