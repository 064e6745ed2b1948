#!/bin/sh
# LintianTest.sh <cpack> <CPackConfig.cmake> <lintian>: builds the Debian package into a
# temporary folder and has lintian check it; an error or a warning fails the test.
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$1" -G DEB --config "$2" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
"$3" --fail-on error,warning --display-info "$out"/*.deb
