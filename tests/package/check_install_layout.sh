#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game's component of a build into a scratch root with the prefix /usr and checks
# that every file lands where a Debian desktop looks for it, and nothing else is installed.
set -euo pipefail
build=${1:?usage: check_install_layout.sh BUILD_DIR APP_ID MODULE}
app_id=${2:?usage: check_install_layout.sh BUILD_DIR APP_ID MODULE}
module=${3:?usage: check_install_layout.sh BUILD_DIR APP_ID MODULE}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr --component cobblewell >/dev/null

expected=(
    usr/games/cobblewell
    "usr/$module"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/man/man6/cobblewell.6.gz
    usr/share/doc/cobblewell/copyright
    usr/share/doc/cobblewell/changelog.gz
)
for side in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${side}x${side}/apps/$app_id.png")
done

failed=0
for file in "${expected[@]}"; do
    if [[ ! -f $root/$file ]]; then
        echo "missing: /$file" >&2
        failed=1
    fi
done
[[ -x $root/usr/games/cobblewell ]] || { echo "not executable: /usr/games/cobblewell" >&2; failed=1; }

for side in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${side}x${side}/apps/$app_id.png
    [[ -f $icon ]] || continue
    size=$(identify -format '%wx%h' "$icon")
    [[ $size == "${side}x${side}" ]] || { echo "/${icon#"$root"/} is $size" >&2; failed=1; }
done

unexpected=$(cd "$root" && find . -type f | sed 's|^\./||' | sort |
    grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
if [[ -n $unexpected ]]; then
    echo "installed but not expected:" >&2
    echo "$unexpected" >&2
    failed=1
fi

((failed)) || gzip -t "$root/usr/share/man/man6/cobblewell.6.gz" "$root/usr/share/doc/cobblewell/changelog.gz"
exit $failed
