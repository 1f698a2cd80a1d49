#!/usr/bin/env bash
# Fails when a C++ file differs from the house style in .clang-format.
# Run `clang-format -i FILE` to format one.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/setup.sh"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "Every C++ file is formatted."
