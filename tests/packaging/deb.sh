#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build tree with cpack and checks its
# control fields and file list with dpkg-deb, without installing it.
#   deb.sh BUILD_DIR APP_ID VERSION MODULE
source "$(dirname "$0")/common.sh"
build=$1 id=$2 version=$3 module=$4

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; finish; }
shopt -s nullglob
debs=("$scratch"/*.deb)
[ ${#debs[@]} -eq 1 ] || { fail "cpack made ${#debs[@]} packages"; finish; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "konsultasi-tht_${version}_${arch}.deb" ] || fail "package file is $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = konsultasi-tht ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
description=$(field Description)
[ "$(head -n 1 <<<"$description")" = "Sistem pakar diagnosa penyakit tenggorokan" ] \
  || fail "synopsis is '$(head -n 1 <<<"$description")'"
# The long text: at least a line, each indented by exactly one blank.
[ "$(tail -n +2 <<<"$description" | grep -c '^ [^ ]')" -ge 1 ] || fail "Description has no long text"
tail -n +2 <<<"$description" | grep -q '^ *$\|^  ' && fail "Description has badly indented lines"

# Depends: the Qt libraries found by dpkg-shlibdeps, each with a version,
# and the font packages the stand-in faces come from.
depends=", $(field Depends | tr -d '\n'),"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6 libstdc++6; do
  [[ $depends =~ ,\ ${package//+/\\+}\ \(\>=\ [^\)]+\), ]] || fail "Depends lacks a versioned $package: $depends"
done
for package in fonts-liberation fonts-urw-base35; do
  [[ $depends == *", $package,"* || $depends == *", $package "* ]] || fail "Depends lacks $package: $depends"
done

# The file list: what the install puts under /usr, nothing from the build.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
want=$(printf '%s\n' \
  usr/bin/konsultasi-tht \
  "usr/$module" \
  "usr/share/applications/$id.desktop" \
  "usr/share/metainfo/$id.metainfo.xml" \
  "usr/share/icons/hicolor/16x16/apps/$id.png" \
  "usr/share/icons/hicolor/32x32/apps/$id.png" \
  "usr/share/icons/hicolor/48x48/apps/$id.png" \
  "usr/share/icons/hicolor/256x256/apps/$id.png" | sort)
[ "$files" = "$want" ] || fail "package holds:"$'\n'"$files"$'\n'"expected:"$'\n'"$want"
listing=$(dpkg-deb -c "$deb")
grep -q '^-rwxr-xr-x root/root .* ./usr/bin/konsultasi-tht$' <<<"$listing" \
  || fail "the binary is not an executable owned by root"

# Stripped: the debug information of the build stays out of the package.
dpkg-deb -x "$deb" "$scratch/root"
for binary in usr/bin/konsultasi-tht "usr/$module"; do
  if readelf -S "$scratch/root/$binary" | grep -q '\.debug_info'; then
    fail "the packaged $binary is not stripped"
  fi
done
finish
