#!/usr/bin/env bash
# What `cmake --install` lays out, as the Debian package ships it: the two programs, the data
# files, the desktop entry and icon, a machine-readable copyright file, the changelog and the two
# manual pages. Usage: install_check.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
status=0
for file in bin/orbalis bin/orbalis-cli share/orbalis/donnees.dat share/orbalis/lexique.dat \
    share/orbalis/nomi.dat share/applications/orbalis.desktop \
    share/icons/hicolor/scalable/apps/orbalis.svg share/doc/orbalis/copyright \
    share/doc/orbalis/changelog.gz share/man/man1/orbalis.1.gz share/man/man1/orbalis-cli.1.gz; do
    [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
head -1 "$prefix/share/doc/orbalis/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    { echo "copyright: not in the machine-readable format"; status=1; }
for page in orbalis orbalis-cli; do
    zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH" || { echo "$page.1: no manual page"; status=1; }
done
zcat "$prefix/share/doc/orbalis/changelog.gz" | head -1 | grep -q '^orbalis (' ||
    { echo "changelog: not a Debian changelog"; status=1; }
[ $status -eq 0 ] && echo "installed layout complete"
exit $status
