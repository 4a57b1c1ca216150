# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers for the packaging checks; sourced. Each check prints what it found
# wrong and the script exits non-zero at the end if anything was.
set -euo pipefail
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
# The value of KEY in a desktop entry's [Desktop Entry] group.
entry_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -n 1
}
# Width x height of a PNG file, read from its IHDR chunk.
png_size() {
  local w h
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
  echo "${w}x${h}"
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
