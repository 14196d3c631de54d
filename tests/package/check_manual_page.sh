#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats a manual page the way Debian's checks do and fails on any warning of the formatter.
set -euo pipefail
page=${1:?usage: check_manual_page.sh PAGE}
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
if [[ -n $warnings ]]; then
    echo "$page: the formatter warns:" >&2
    echo "$warnings" >&2
    exit 1
fi
for section in NAME SYNOPSIS DESCRIPTION FILES 'SEE ALSO'; do
    grep -q "^\.SH \"\?$section\"\?\$" "$page" || { echo "$page: no $section section" >&2; exit 1; }
done
