#!/usr/bin/env bash
# Installs the build into a scratch folder and checks the package's documents:
# the README and a Debian copyright file that names the built-in flag pictures.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
doc="$prefix/share/doc/kavero"
cmp "$doc/README.md" "$(dirname "$0")/../../README.md"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
grep -q 'famfamfam-flag-png' "$doc/copyright"
grep -q 'Mark James' "$doc/copyright"
grep -q '^License: public-domain' "$doc/copyright"
