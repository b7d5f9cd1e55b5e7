#!/usr/bin/env bash
# Every C++ source of the program, its tests and benchmarks is laid out as .clang-format says.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
git_files() { git ls-files -- '*.h' '*.cpp' 2>/dev/null; }
files=$(git_files || true)
[ -n "$files" ] || files=$(find ui core platform tests bench -name '*.h' -o -name '*.cpp')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "$(wc -w <<<"$files") files laid out as .clang-format says"
