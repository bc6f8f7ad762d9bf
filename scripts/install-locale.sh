#!/usr/bin/env bash
# Generates the locale named as argument (e.g. de_DE.UTF-8) when the system
# lacks it; the tests use a locale that writes numbers with a decimal comma.
set -euo pipefail
name=$1
normalised=$(echo "$name" | sed 's/UTF-8/utf8/')
locale -a | grep -qx "$normalised" && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo localedef -i "${name%%.*}" -f UTF-8 "$name"
