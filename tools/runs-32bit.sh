#!/bin/sh
# Exits 0 when this machine runs 32-bit x86 programs (the kernel's IA-32
# emulation); otherwise says so in one line and exits 1. Needs g++-multilib.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'int main() { return 42; }\n' >"$dir/probe.c"
if gcc -m32 -o "$dir/probe" "$dir/probe.c" 2>/dev/null; then
    "$dir/probe" 2>/dev/null
    [ $? -eq 42 ] && exit 0
fi
echo "This machine cannot run 32-bit programs: the 32-bit tests are skipped."
exit 1
