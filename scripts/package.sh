#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the Debian way (dpkg-buildpackage with debian/),
# installing what packaging needs first, and checks it with lintian. The
# package and its .buildinfo and .changes end up in dist/:
#
#   scripts/package.sh        # -> dist/kite-tutor_<version>_<arch>.deb
#
# The recordings, pictures and word lists are made during the build, as in
# the build tree; nothing of build/ is used.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
apt_install() {
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}

missing=()
for package in build-essential dpkg-dev debhelper lintian; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
updated=no
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt_install update -qq; updated=yes
    apt_install install -y -qq --no-install-recommends "${missing[@]}"
fi
# debian/control's Build-Depends.
if ! dpkg-checkbuilddeps 2>/dev/null; then
    [ "$updated" = yes ] || apt_install update -qq
    apt_install build-dep -y -qq --no-install-recommends ./
fi

version=$(dpkg-parsechangelog -S Version)
project_version=$(sed -n 's/^project(KiteTutor VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
if [ "$version" != "$project_version" ]; then
    echo "package.sh: debian/changelog is at $version but CMakeLists.txt at $project_version;" \
         "add a changelog entry (dch -v $project_version)" >&2
    exit 1
fi
arch=$(dpkg-architecture -q DEB_HOST_ARCH)

dpkg-buildpackage -us -uc -b
mkdir -p dist
for file in "kite-tutor_${version}_${arch}.deb" "kite-tutor-dbgsym_${version}_${arch}.deb" \
            "kite-tutor_${version}_${arch}.buildinfo" "kite-tutor_${version}_${arch}.changes"; do
    if [ -e "../$file" ]; then mv -f "../$file" dist/; fi
done
# The build's own leftovers (obj-*/, debian/kite-tutor/, ...).
debian/rules clean >/dev/null

deb=dist/kite-tutor_${version}_${arch}.deb
echo "lintian $deb"
lintian --fail-on error,warning "$deb"
echo "Built $deb"
