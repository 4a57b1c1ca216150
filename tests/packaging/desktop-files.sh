#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry and the AppStream file, as configured in the build tree,
# pass their validators and name each other and the program consistently.
#   desktop-files.sh BUILD_DIR APP_ID
source "$(dirname "$0")/common.sh"
build=$1 id=$2
desktop=$build/desktop/$id.desktop
metainfo=$build/desktop/$id.metainfo.xml

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# --no-net: CI has no network; the screenshot addresses are not fetched.
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects $metainfo"

[ "$(entry_value "$desktop" Type)" = Application ] || fail "Type is not Application"
[ "$(entry_value "$desktop" Name)" = "Konsultasi THT" ] || fail "Name is '$(entry_value "$desktop" Name)'"
[ -n "$(entry_value "$desktop" Comment)" ] || fail "no Comment"
[ "$(entry_value "$desktop" Exec)" = konsultasi-tht ] || fail "Exec is '$(entry_value "$desktop" Exec)'"
[ "$(entry_value "$desktop" Icon)" = "$id" ] || fail "Icon is '$(entry_value "$desktop" Icon)', not the app id"
categories=";$(entry_value "$desktop" Categories)"
for category in Education MedicalSoftware; do
  [[ $categories == *";$category;"* ]] || fail "Categories lack $category"
done

grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $id.desktop"
grep -q '<binary>konsultasi-tht</binary>' "$metainfo" || fail "metainfo does not provide the binary"
grep -q '<description>' "$metainfo" || fail "metainfo has no description"
grep -Eq '<image>https://[^<]+\.png</image>' "$metainfo" || fail "metainfo has no screenshot image"
grep -q '@[A-Z_]*@' "$desktop" "$metainfo" && fail "a placeholder was left unconfigured"
finish
