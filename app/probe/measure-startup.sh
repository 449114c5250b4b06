#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and memory of Veltrane on the real data set, offscreen, in a scratch copy of
# build/data: one first run (creates the profile) and five runs with the profile in place.
#   app/probe/measure-startup.sh [BUILD_DIR]
set -eu
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$build/data/." "$work/"
export QT_QPA_PLATFORM=offscreen
echo "== first run"
/usr/bin/time -f "whole process: %e s wall, %M kB peak resident" \
  "$build/bin/veltrane-startup-probe" "$work"
for i in 1 2 3 4 5; do
  echo "== run $((i + 1))"
  /usr/bin/time -f "whole process: %e s wall, %M kB peak resident" \
    "$build/bin/veltrane-startup-probe" "$work"
done
