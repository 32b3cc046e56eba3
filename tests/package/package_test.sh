#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages with CPack the way a packager does, then checks them with dpkg-deb:
# the game's package holds the game in /usr/games, its program folder, menu entry, AppStream
# metadata, icons, help page, manual page and the files Debian wants, and Depends names the
# libraries the game links, the soundfont the music needs, the image plugins for WebP and TIFF
# and nothing of the server's or of the build; the server's package holds the server, its manual page, its systemd unit and an
# example of its options. appstreamcli must take the metadata, and lintian must report no
# error, no warning and no override on either package.
#
#   package_test.sh BUILD_FOLDER
set -euo pipefail

[ $# -eq 1 ] || {
    echo "usage: $0 BUILD_FOLDER" >&2
    exit 2
}
build=$(cd "$1" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in dpkg-deb dpkg-shlibdeps lintian appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

out="$build/package-test"
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out") >"$out/cpack.log" 2>&1 ||
    {
        cat "$out/cpack.log" >&2
        fail "cpack -G DEB failed"
    }
shopt -s nullglob
arch=$(dpkg --print-architecture)
# package_file NAME: the one NAME_<version>_<arch>.deb made.
package_file() {
    local debs=("$out/$1"_[0-9]*_"$arch".deb)
    [ ${#debs[@]} = 1 ] || fail "expected one $1_<version>_$arch.deb in $out, found: ${debs[*]-none}"
    echo "${debs[0]}"
}
deb=$(package_file tessary)
hof_deb=$(package_file tessary-hof)
echo "made $(basename "$deb") and $(basename "$hof_deb")"

field() { dpkg-deb --field "$deb" "$1"; }
hof_field() { dpkg-deb --field "$hof_deb" "$1"; }
[ "$(field Package)" = tessary ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)', not games"
[ "$(hof_field Package)" = tessary-hof ] || fail "the server's Package is '$(hof_field Package)'"
[ "$(hof_field Section)" = web ] || fail "the server's Section is '$(hof_field Section)'"
for f in Maintainer Description Version; do
    [ -n "$(field $f)" ] && [ -n "$(hof_field $f)" ] || fail "a package has no $f"
done
[ "$(field Recommends)" = xdg-utils ] || fail "Recommends is '$(field Recommends)'"
depends=$(field Depends)
hof_depends=$(hof_field Depends)
echo "tessary Depends: $depends"
echo "tessary-hof Depends: $hof_depends"
# One alternative a line, without its version.
names=$(sed 's/[,|]/\n/g' <<<"$depends" | awk '{print $1}')
hof_names=$(sed 's/[,|]/\n/g' <<<"$hof_depends" | awk '{print $1}')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 libstdc++6 libc6; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib"
done
grep -q "timgm6mb-soundfont" <<<"$depends" || fail "Depends lacks the soundfont for the music"
grep -qxF qt6-image-formats-plugins <<<"$names" || fail "Depends lacks the WebP and TIFF readers"
# The player's package names none of the server's libraries, and the server none of Qt's.
for lib in libpq5 libsqlite3-0; do
    grep -qxF "$lib" <<<"$hof_names" || fail "the server's Depends lacks $lib"
    ! grep -qxF "$lib" <<<"$names" || fail "the game's Depends names the server's $lib"
done
! grep -q "libqt6\|libsdl2" <<<"$hof_depends" || fail "the server's Depends names Qt or SDL"
if grep -Eq -- "-dev( |,|$)|libgtest|libbenchmark" <<<"$depends $hof_depends"; then
    fail "Depends names a build-time package"
fi

contents=$(dpkg-deb --contents "$deb" | awk '{print $1, $NF}')
hof_contents=$(dpkg-deb --contents "$hof_deb" | awk '{print $1, $NF}')
want() {
    grep -Eq "^$1 \./usr/$2\$" <<<"$contents" || fail "the package has no /usr/$2 (mode $1)"
}
hof_want() {
    grep -Eq "^$1 \./$2\$" <<<"$hof_contents" || fail "tessary-hof has no /$2 (mode $1)"
}
want -rwxr-xr-x games/tessary
want -rw-r--r-- share/tessary/tesssnd.dat
want -rw-r--r-- share/tessary/tessary.html
want -rw-r--r-- share/tessary/twinkle.mid
want -rw-r--r-- share/tessary/sounds/ding.wav
want -rw-r--r-- share/tessary/images/flower-field.jpg
want -rw-r--r-- share/tessary/help/toolbar.png
want -rw-r--r-- share/tessary/defaults/Tessary.ini
want -rw-r--r-- share/applications/com.morvane.Tessary.desktop
want -rw-r--r-- share/metainfo/com.morvane.Tessary.metainfo.xml
want -rw-r--r-- share/mime/packages/com.morvane.Tessary.xml
want -rw-r--r-- share/icons/hicolor/48x48/apps/com.morvane.Tessary.png
want -rw-r--r-- share/icons/hicolor/scalable/apps/com.morvane.Tessary.svg
want -rw-r--r-- share/doc/tessary/copyright
want -rw-r--r-- share/doc/tessary/changelog.gz
want -rw-r--r-- share/man/man6/tessary.6.gz
hof_want -rwxr-xr-x usr/bin/tessary-hof
hof_want -rw-r--r-- lib/systemd/system/tessary-hof.service
hof_want -rw-r--r-- usr/share/man/man1/tessary-hof.1.gz
hof_want -rw-r--r-- usr/share/doc/tessary-hof/copyright
hof_want -rw-r--r-- usr/share/doc/tessary-hof/changelog.gz
hof_want -rw-r--r-- usr/share/doc/tessary-hof/examples/default
hof_want -rw-r--r-- usr/share/doc/tessary-hof/examples/nginx
if grep -q "tessary-hof" <<<"$contents"; then
    fail "the game's package holds the server"
fi
if grep -Eq "^[^ ]+ \./usr/(include|lib)/|/\.[^/]+\$|lintian" <<<"$contents
$hof_contents"; then
    fail "a package holds headers, libraries, hidden files or lintian overrides"
fi
# Every file belongs to root.
if dpkg-deb --contents "$deb" "$hof_deb" 2>/dev/null | awk '{print $2}' | grep -qv '^root/root$'; then
    fail "a file in a package is not owned by root"
fi

# Software centres list the game from its AppStream metadata.
dpkg-deb -x "$deb" "$out/tessary-root"
appstreamcli validate --no-net "$out/tessary-root/usr/share/metainfo/com.morvane.Tessary.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"

# lintian: nothing at all to say but notes about the game's own choices (info and pedantic).
lintian --tag-display-limit 0 "$deb" "$hof_deb" >"$out/lintian.log" 2>&1 || true
cat "$out/lintian.log"
if grep -Eq "^(E|W|O): " "$out/lintian.log"; then
    fail "lintian reports errors, warnings or overridden tags"
fi
echo "PASS"
