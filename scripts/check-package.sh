#!/usr/bin/env bash
# Checks a built package as Debian would: its desktop entry and AppStream data validate, and
# lintian finds no error. Lintian's warnings are shown; any error fails the check.
set -euo pipefail

deb=${1:?usage: check-package.sh dist/morvane_<version>_<arch>.deb}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

echo "== desktop-file-validate"
desktop-file-validate "$tree/usr/share/applications/org.morvane.Morvane.desktop"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$tree/usr/share/metainfo/org.morvane.Morvane.metainfo.xml"
echo "== lintian"
lintian --fail-on error "$deb"
echo "== $deb passed"
