#!/usr/bin/env bash
# Installs the built project into a temporary prefix and checks what a desktop finds
# there: the program, its menu entry, its icon at every size in the hicolor theme and
# its AppStream metadata, each accepted by the freedesktop validators, and each pointing
# at the others by the right name.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/ostravane-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

fail() { echo "install_test: FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
done

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.ostravane.editor
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

[ -x "$prefix/bin/ostravane-editor" ] || fail "no program at bin/ostravane-editor"
[ -f "$desktop" ] || fail "no menu entry at share/applications/$id.desktop"
[ -f "$metainfo" ] || fail "no metadata at share/metainfo/$id.metainfo.xml"

# The entry starts the installed program and shows the installed icon.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = ostravane-editor ] || fail "Exec is '$(entry Exec)', expected ostravane-editor"
icon=$(entry Icon)
for size in 16 24 32 48 64 128 256; do
  file="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$file" ] || fail "no ${size}x${size} icon named $icon"
  actual=$(identify -format '%wx%h' "$file")
  [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done
grep -q "^Name\[zh_CN\]=" "$desktop" || fail "the menu entry has no Chinese name"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "the metadata does not launch $id.desktop"
grep -q "<binary>ostravane-editor</binary>" "$metainfo" || fail "the metadata does not name the program"

# Validators: not an error, not a warning, not even a hint.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net --pedantic --strict "$metainfo" 2>&1) \
  || fail "appstreamcli validate: $report"
report=$(appstreamcli validate-tree --no-net --pedantic --strict "$prefix" 2>&1) \
  || fail "appstreamcli validate-tree: $report"
echo "install_test: installed into a temporary prefix; both validators accept it"
