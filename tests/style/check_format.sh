#!/usr/bin/env bash
# Every C++ source of the project is formatted by the repository's .clang-format.
set -eu
cd "$(dirname "$0")/../.."
find app platform draw tree check search leaves bench tests fuzz corpusio -name '*.cpp' -o -name '*.h' 2>/dev/null |
  xargs clang-format --dry-run --Werror
