#!/usr/bin/env bash
# Makes the Debian package with CPack the way a packager does, then checks it with dpkg-deb:
# the game, its program folder, menu entry, icons, help page, manual page and the files
# Debian wants are inside, and Depends names the libraries the game links, the soundfont the
# music needs, the image plugins for WebP and TIFF, and nothing that is only there at build
# time. lintian, when installed, must report no errors.
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
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || {
    echo "SKIP: dpkg-deb or dpkg-shlibdeps missing"
    exit 77
}

out="$build/package-test"
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out") >"$out/cpack.log" 2>&1 ||
    {
        cat "$out/cpack.log" >&2
        fail "cpack -G DEB failed"
    }
shopt -s nullglob
debs=("$out"/tessary_*.deb)
[ ${#debs[@]} = 1 ] || fail "expected one tessary_<version>_<arch>.deb in $out, found: ${debs[*]-none}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
case "$(basename "$deb")" in
tessary_[0-9]*_"$arch".deb) ;;
*) fail "package name $(basename "$deb") is not tessary_<version>_$arch.deb" ;;
esac
echo "made $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessary ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)', not games"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
# One alternative a line, without its version.
names=$(sed 's/[,|]/\n/g' <<<"$depends" | awk '{print $1}')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 libstdc++6 libc6; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib"
done
grep -q "timgm6mb-soundfont" <<<"$depends" || fail "Depends lacks the soundfont for the music"
grep -qxF qt6-image-formats-plugins <<<"$names" || fail "Depends lacks the WebP and TIFF readers"
if grep -Eq -- "-dev( |,|$)|libgtest|libbenchmark" <<<"$depends"; then
    fail "Depends names a build-time package"
fi

contents=$(dpkg-deb --contents "$deb" | awk '{print $1, $NF}')
want() {
    grep -Eq "^$1 \./usr/$2\$" <<<"$contents" || fail "the package has no /usr/$2 (mode $1)"
}
want -rwxr-xr-x bin/tessary
want -rw-r--r-- share/tessary/tesssnd.dat
want -rw-r--r-- share/tessary/tessary.html
want -rw-r--r-- share/tessary/twinkle.mid
want -rw-r--r-- share/tessary/sounds/ding.wav
want -rw-r--r-- share/tessary/images/flower-field.jpg
want -rw-r--r-- share/tessary/help/toolbar.png
want -rw-r--r-- share/tessary/defaults/Tessary.ini
want -rw-r--r-- share/applications/tessary.desktop
want -rw-r--r-- share/mime/packages/tessary.xml
want -rw-r--r-- share/icons/hicolor/48x48/apps/tessary.png
want -rw-r--r-- share/icons/hicolor/scalable/apps/tessary.svg
want -rw-r--r-- share/doc/tessary/copyright
want -rw-r--r-- share/doc/tessary/changelog.gz
want -rw-r--r-- share/man/man6/tessary.6.gz
if grep -Eq "^[^ ]+ \./usr/(include|lib)/|/\.[^/]+\$" <<<"$contents"; then
    fail "the package holds headers, libraries or hidden files"
fi
# Every file belongs to root.
if dpkg-deb --contents "$deb" | awk '{print $2}' | grep -qv '^root/root$'; then
    fail "a file in the package is not owned by root"
fi

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || true
    cat "$out/lintian.log"
    if grep -q "^E: " "$out/lintian.log"; then
        fail "lintian reports errors"
    fi
else
    echo "lintian is not installed: its check is left out"
fi
echo "PASS"
