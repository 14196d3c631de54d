# SPDX-License-Identifier: GPL-3.0-or-later
# Writes COBBLEWELL_RELEASE_TIME in each form a file needs, in UTC: string(TIMESTAMP) formats
# the time in SOURCE_DATE_EPOCH instead of the clock's, so the build time never enters.
set(build_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${COBBLEWELL_RELEASE_TIME})
# The metainfo's release date, the manual page's month and the Debian changelog's date.
string(TIMESTAMP COBBLEWELL_RELEASE_DAY "%Y-%m-%d" UTC)
string(TIMESTAMP COBBLEWELL_RELEASE_MONTH "%B %Y" UTC)
string(TIMESTAMP COBBLEWELL_RELEASE_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
# The About box's in the form of C's ctime(), "Tue Dec  8 05:00:00 2026": a day of one digit
# is padded with a blank, not a zero.
string(TIMESTAMP COBBLEWELL_BUILD_STAMP "%a %b %d %H:%M:%S %Y" UTC)
string(REGEX REPLACE "^(... ...) 0" "\\1  " COBBLEWELL_BUILD_STAMP "${COBBLEWELL_BUILD_STAMP}")
if(build_date_epoch STREQUAL "")
    unset(ENV{SOURCE_DATE_EPOCH})
else()
    set(ENV{SOURCE_DATE_EPOCH} "${build_date_epoch}")
endif()
