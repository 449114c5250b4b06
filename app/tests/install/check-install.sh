#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into a temporary DESTDIR, checks the installed tree, starts the
# installed `veltrane` from another folder with a fresh HOME until its first card is up
# (offscreen, answered by the first-card plugin), and uninstalls again.
#   check-install.sh BUILD_DIR PLUGIN_DIR
set -eu
build=$1
plugins=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dest=$root/dest
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
usr=$dest/usr
id=example.veltrane.Veltrane

[ -x "$usr/bin/veltrane" ] && head -n 1 "$usr/bin/veltrane" | grep -q '^#!/bin/sh' ||
  fail "bin/veltrane is not the launcher"
[ -x "$usr/lib/veltrane/veltrane" ] || fail "lib/veltrane/veltrane is missing"
[ -x "$usr/bin/veltrane-data" ] || fail "bin/veltrane-data is missing"
for file in jis0208.dat kanji_data.dat examples.dat study_list.vls DATA-LICENCE.txt \
  Sound/00000.wav Documentation/Doc_Start.html; do
  [ -s "$usr/share/veltrane/$file" ] || fail "share/veltrane/$file is missing"
done
for size in 16 24 32 48 64 128 256; do
  [ -s "$usr/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}px icon"
done
svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
[ -s "$svg" ] && ! grep -q '<text' "$svg" || fail "the SVG icon is missing or draws text"
grep -qx 'Exec=veltrane' "$usr/share/applications/$id.desktop" || fail "desktop entry"
grep -q "<id>$id</id>" "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
for page in veltrane veltrane-data; do
  [ -s "$usr/share/man/man1/$page.1" ] || fail "man page $page(1)"
done
for licence in GPL-3.0-or-later CC-BY-SA-4.0; do
  [ -s "$usr/share/doc/veltrane/LICENSES/$licence.txt" ] || fail "licence $licence"
done

# The command from another folder, as a new learner would type it.
mkdir -p "$root/home" "$root/elsewhere"
output=$(cd "$root/elsewhere" && env -u XDG_DATA_HOME HOME="$root/home" \
  QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=veltranefirstcard \
  timeout 120 "$usr/bin/veltrane" 2>&1) || fail "veltrane ended with status $?: $output"
echo "$output" | grep -q '^first card: ' || fail "no first card: $output"
[ -s "$root/home/.local/share/veltrane/user_profile.vlu" ] || fail "no profile was created"

DESTDIR=$dest cmake -DMANIFEST="$build/install_manifest.txt" \
  -P "$(dirname "$0")/../../../cmake/Uninstall.cmake" >/dev/null
left=$(find "$dest" -type f)
[ -z "$left" ] || fail "uninstall left: $left"
[ ! -e "$usr/share/veltrane" ] && [ ! -e "$usr/lib/veltrane" ] || fail "uninstall left folders"

[ "$failures" -eq 0 ] && echo "installed tree, first start and uninstall: fine"
exit "$failures"
