#!/bin/sh
# SPDX-FileCopyrightText: the Konsultasi THT authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Rebuilds the generator in a scratch directory and redraws assets/.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --parallel
mkdir -p "$repo/assets"
"$build/make-pictures" "$repo/assets"
