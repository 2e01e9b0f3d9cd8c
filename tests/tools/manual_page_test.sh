#!/usr/bin/env bash
# The manual page renders without a single warning.
set -euo pipefail
page=$1
command -v groff > /dev/null || { echo "groff is not installed"; exit 77; }
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
  echo "$warnings"
  exit 1
fi
rendered=$(groff -man -Tutf8 -P-bou "$page")
for section in NAME SYNOPSIS DESCRIPTION FILES "EXIT STATUS" EXAMPLES; do
  grep -q "^$section" <<< "$rendered" || { echo "no section $section"; exit 1; }
done
