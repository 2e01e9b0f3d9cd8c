#!/usr/bin/env bash
# plot-series draws a PNG of the expected size from a small series with a site record.
set -euo pipefail
script=$1
command -v gnuplot > /dev/null || { echo "gnuplot is not installed"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

printf ' 52.10  5.18\r\n' > "$dir/latit_longit.txt"
{
  for i in 1 2 3 4 5 6 7 8 9; do printf ' header line %d\r\n' "$i"; done
  printf ' 2004 12  1 336    305.7     306          0\r\n'
  printf ' 2004 12  2 337    -99.9     -99          0\r\n'
  printf ' 2004 12  3 338    301.6     301          1\r\n'
  printf ' 2004 12  4 339    299.6     299          1\r\n'
  printf ' 2005  1  1   1    314.0     314          1\r\n'
} > "$dir/timeseries.txt"

"$script" "$dir/timeseries.txt" "$dir/plot.png"
[ -s "$dir/plot.png" ] || { echo "no PNG written"; exit 1; }
# PNG signature, then the IHDR chunk: width and height as 32-bit big-endian numbers.
header=$(od -An -tx1 -N24 "$dir/plot.png" | tr -d ' \n')
[ "${header:0:16}" = "89504e470d0a1a0a" ] || { echo "not a PNG: $header"; exit 1; }
width=$((16#${header:32:8}))
height=$((16#${header:40:8}))
[ "$width" = 1000 ] && [ "$height" = 450 ] || { echo "size ${width}x${height}, expected 1000x450"; exit 1; }
