#!/usr/bin/env bash
# The Debian package as a user gets it: CPack builds it from this build, it is unpacked into a
# scratch root, every installed file is checked against the source tree (nothing missing,
# nothing extra), and the installed vespra-cli runs the installed example with the build's
# own output.
#
# Usage: test_package.sh CPACK CPACK_CONFIG BUILD_VESPRA_CLI SOURCE_DIR VERSION
set -euo pipefail
cpack=$1 config=$2 build_cli=$3 source=$4 version=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# --- the package
if ! "$cpack" --config "$config" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
deb_name="vespra_${version}_$(dpkg --print-architecture).deb"
deb="$work/out/$deb_name"
[ -f "$deb" ] || fail "no $deb_name; cpack made: $(cd "$work/out" && ls ./*.deb 2>/dev/null)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vespra ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Vespra 4 developers" ] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6charts6 libjpeg62-turbo libstdc++6 qt6-qpa-plugins; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# --- the files: exactly those the source tree gives
root="$work/root"
dpkg-deb -x "$deb" "$root"
doc=usr/share/doc/vespra
{
  echo usr/bin/vespra
  echo usr/bin/vespra-cli
  echo usr/share/applications/vespra.desktop
  echo usr/share/icons/hicolor/scalable/apps/vespra.svg
  for size in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x${size}/apps/vespra.png"; done
  echo "$doc/README.md"
  echo "$doc/copyright"
  (cd "$source" && find docs -type f) | sed "s|^|$doc/|"
  (cd "$source" && find examples -type f \( -name '*.csv' -o -name '*.txt' \) ! -name CMakeLists.txt) |
    sed "s|^|$doc/|"
} | sort > "$work/expected"
(cd "$root" && find . -type f -o -type l) | sed 's|^\./||' | sort > "$work/installed"
if ! diff -u "$work/expected" "$work/installed" >&2; then
  fail "installed files differ from the expected list (- missing, + extra)"
fi
for program in vespra vespra-cli; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done
cmp -s "$source/examples/seattle-faixa-volumes.csv" "$root/$doc/examples/seattle-faixa-volumes.csv" ||
  fail "the installed example differs from the source's"

desktop="$root/usr/share/applications/vespra.desktop"
grep -qx 'Exec=vespra %f' "$desktop" || fail "desktop entry: no 'Exec=vespra %f'"
grep -qx 'MimeType=text/csv;' "$desktop" || fail "desktop entry: no 'MimeType=text/csv;'"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
fi

# --- the installed programs run
expected_out=$("$build_cli" run "$source/examples/seattle-faixa-volumes.csv" --locale pt_BR)
installed_out=$("$root/usr/bin/vespra-cli" run "$root/$doc/examples/seattle-faixa-volumes.csv" --locale pt_BR)
[ -n "$installed_out" ] || fail "the installed vespra-cli printed nothing"
[ "$installed_out" = "$expected_out" ] || {
  diff <(echo "$expected_out") <(echo "$installed_out") >&2
  fail "the installed vespra-cli prints other results than the build's"
}
# The stripped GUI program starts (its libraries resolve) and, with no display, says so.
set +e
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vespra" 2>&1)
code=$?
set -e
[ "$code" -eq 2 ] && [[ "$message" == *vespra-cli* ]] || fail "the installed vespra gave $code: $message"
echo "ok: $deb_name"
