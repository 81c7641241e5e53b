#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package on this machine and checks the installed
# program (see CMakeLists.txt beside this script):
#
#   tests/package/check_package.sh VERSION     # from the source folder
#
# KITE_DEB names a package already built; otherwise scripts/package.sh builds
# one. Needs root (or sudo). The package is purged at the end, pass or fail.
set -euo pipefail
version=$1
arch=$(dpkg-architecture -q DEB_HOST_ARCH 2>/dev/null || dpkg --print-architecture)
multiarch=$(dpkg-architecture -q DEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
apt() { "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }

failures=0
check() { # check "what" command...: runs the command, reports, counts failures
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/kite-package.XXXXXX")
installed=no
finish() {
    [ "$installed" = yes ] && apt purge kite-tutor >/dev/null 2>&1
    rm -rf "$work"
}
trap finish EXIT

deb=${KITE_DEB:-dist/kite-tutor_${version}_${arch}.deb}
if [ -z "${KITE_DEB:-}" ]; then
    scripts/package.sh
fi
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 1; }
deb=$(realpath "$deb")

# The checking tools, and the sound server for the speaking check.
apt install --no-install-recommends desktop-file-utils appstream pulseaudio pulseaudio-utils sox >/dev/null
# As a parent would: with the recommended voice.
apt install "$deb" >/dev/null
installed=yes

check "kite-tutor --version says $version" \
    test "$(kite-tutor --version)" = "Kite-Tutor $version"
desktop=/usr/share/applications/org.kitetutor.KiteTutor.desktop
check "desktop entry valid" \
    sh -c "test -f $desktop && test -z \"\$(desktop-file-validate $desktop)\""
metainfo=/usr/share/metainfo/org.kitetutor.KiteTutor.metainfo.xml
# --no-net: the screenshot's address is checked for its form, not fetched.
check "AppStream file valid, no warnings" \
    sh -c "appstreamcli validate --no-net $metainfo > $work/as.txt; status=\$?; cat $work/as.txt; \
           test \$status -eq 0 && ! grep -q '^[EW]:' $work/as.txt"
check "AppStream: screenshot, keywords, OARS rating" \
    sh -c "grep -q '<screenshot type=\"default\">' $metainfo && grep -q '<keyword>' $metainfo \
           && grep -q '<content_rating type=\"oars-1.1\">' $metainfo"
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/org.kitetutor.KiteTutor.png
    check "icon ${size}x${size}" sh -c "test -f $icon && test \"\$(od -An -tu1 -j16 -N8 $icon | \
        awk '{ printf \"%dx%d\", \$3 * 256 + \$4, \$7 * 256 + \$8 }')\" = ${size}x${size}"
done
media=/usr/share/kite-tutor
check "media in $media" \
    sh -c "test -f $media/clap.wav && test -f $media/default.wav && test -f $media/Level1.lib \
           && test -f $media/s_noun.dat && test -f $media/dog.bmp \
           && test \$(ls $media/*.wav | wc -l) -gt 100"
check "sound module and voice in /usr/lib/$multiarch/kite-tutor" \
    sh -c "test -f /usr/lib/$multiarch/kite-tutor/kite-sound.so \
           && test -x /usr/lib/$multiarch/kite-tutor/say_word.sh"

# Speaks: the installed program plays a recording of its own through its sound
# module to a private sound server, and the server's sink hears it.
cat > "$work/hear.sh" <<'HEAR'
set -eu
work=$1
parec --raw --rate=44100 --channels=1 --format=s16le -d "$KITE_PULSE_MONITOR" > "$work/heard.raw" &
recorder=$!
sleep 0.5
env -u KITE_MEDIA_DIR QT_QPA_PLATFORM=offscreen HOME="$work/home" kite-tutor --say clap.wav > "$work/say.txt"
sleep 0.3
kill "$recorder"; wait "$recorder" 2>/dev/null || true
HEAR
mkdir -p "$work/home"
check "kite-tutor --say plays /usr/share/kite-tutor/clap.wav" \
    sh -c "scripts/with-pulse.sh sh $work/hear.sh $work && grep -qx 'kite-tutor: played $media/clap.wav' $work/say.txt"
check "the sound server heard it" \
    sh -c "peak=\$(sox -t raw -r 44100 -e signed -b 16 -c 1 $work/heard.raw -n stats 2>&1 | awk '/^Pk lev dB/ { print \$4 }'); \
           echo \"  peak heard: \$peak dBFS\"; awk -v p=\"\$peak\" 'BEGIN { exit !(p > -20) }'"
check "a homework word is recorded with the installed voice" \
    sh -c "HOME=$work/home /usr/lib/$multiarch/kite-tutor/say_word.sh kite $work/kite.wav && \
           test \"\$(sox --i -r $work/kite.wav)\" = 44100"

# Removing the program leaves a child's data in the home folder.
data="$work/home/.local/share/kitetu"
mkdir -p "$data"
printf '1,0,0\r\n' > "$data/kitetu.dat"
printf '"12/07/2026","Addition",3,4\r\n' > "$data/ANNA.scr"
apt purge kite-tutor >/dev/null
installed=no
check "purged: program gone" test ! -e /usr/bin/kite-tutor
check "purged: the children's data kept" \
    sh -c "test \"\$(cat $data/kitetu.dat)\" = \"\$(printf '1,0,0\r\n')\" && test -s $data/ANNA.scr"

echo "$failures check(s) failed"
exit $((failures > 0))
