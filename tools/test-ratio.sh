#!/bin/sh
# Prints the non-blank C++ lines of the tests (their picture writers and
# helpers included) against those of the product folders, and the ratio.
# Informational only: always succeeds.
repo=$(cd "$(dirname "$0")/.." && pwd)
product="text framework picdec imagelib controls picture system app uninstaller demo"

count() {
    (cd "$repo" && find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f -exec cat {} + 2>/dev/null) | grep -c '[^[:space:]]'
}

tests=$(count tests)
code=$(count $product)
echo "C++ lines (non-blank): tests $tests, product $code ($product)"
if [ "$code" -gt 0 ]; then
    awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests / product = %.2f\n", t / c }'
fi
exit 0
