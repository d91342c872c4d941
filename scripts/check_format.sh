#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what the repo's .clang-format makes of
# it, and names the files. `scripts/check_format.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2> /tmp/facetry-format.log; then
  grep "error:" /tmp/facetry-format.log | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  echo "check_format: run scripts/check_format.sh --fix" >&2
  exit 1
fi
echo "check_format: every C++ file is formatted"
