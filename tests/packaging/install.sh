#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# A staged install, both with --prefix and with DESTDIR, holds exactly the
# binary, its print support module, the desktop entry, the AppStream file and
# the icon at four sizes.
#   install.sh BUILD_DIR APP_ID MODULE
source "$(dirname "$0")/common.sh"
build=$1 id=$2 module=$3

expected() {
  printf '%s\n' \
    bin/konsultasi-tht \
    "$module" \
    "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/16x16/apps/$id.png" \
    "share/icons/hicolor/32x32/apps/$id.png" \
    "share/icons/hicolor/48x48/apps/$id.png" \
    "share/icons/hicolor/256x256/apps/$id.png" | sort
}

check_tree() {  # ROOT: an installed prefix
  local root=$1 got
  got=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
  [ "$got" = "$(expected)" ] || fail "$root holds:"$'\n'"$got"$'\n'"expected:"$'\n'"$(expected)"
  [ -x "$root/bin/konsultasi-tht" ] || fail "the binary is not executable"
  for binary in bin/konsultasi-tht "$module"; do
    if readelf -d "$root/$binary" | grep -Eq 'RPATH|RUNPATH'; then
      fail "the installed $binary keeps an rpath"
    fi
  done
  for size in 16 32 48 256; do
    local icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] && [ "$(png_size "$icon")" = "${size}x${size}" ] \
      || fail "icon for ${size}x${size} is $( [ -f "$icon" ] && png_size "$icon" || echo missing)"
  done
  # Cross-checks the AppStream file against the desktop entry and icons beside it.
  appstreamcli validate-tree --no-net "$root" >/dev/null || fail "appstreamcli validate-tree rejects $root"
}

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_tree "$scratch/prefix"

DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$scratch/stage/usr"
[ "$(cd "$scratch/stage" && ls)" = usr ] || fail "DESTDIR install wrote outside its prefix"
finish
