#!/usr/bin/env bash
# cmake --install puts the program in bin/ and the manual page in share/man/man1/.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
[ -x "$prefix/bin/ozone_series" ] || { echo "missing bin/ozone_series"; exit 1; }
[ -s "$prefix/share/man/man1/ozone_series.1" ] || { echo "missing share/man/man1/ozone_series.1"; exit 1; }
