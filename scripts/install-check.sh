#!/usr/bin/env bash
# Checks the designer as a user and a packager get it, from a built tree
# (default build/release, configured with -DCMAKE_INSTALL_PREFIX=/usr):
#   1. installs it into a staging prefix and checks the layout;
#   2. starts the installed designer offscreen with a private home: it must
#      host both controls, show the procedure source, and give the user the
#      starter styles (and never replace them on the next start);
#   3. validates the desktop entry and the AppStream metadata;
#   4. builds the Debian package, lists it, and runs lintian on it.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/stage/usr"
app=org.ombrelo.Ombrelo

fail() {
  echo "install-check: $*" >&2
  exit 1
}

echo "== install into a staging prefix =="
cmake --install "$build" --prefix "$stage" >/dev/null
for file in bin/ombrelo bin/ombrelo-render bin/ombrelo-regsvr \
  lib/ombrelo/libombrelo-platform.so.3 \
  lib/ombrelo/controls/libquintaro.so lib/ombrelo/controls/velmira.png \
  lib/ombrelo/controls/libharrowlin.so lib/ombrelo/controls/urllink.png \
  "share/ombrelo/Function Ombrelo.fnc" share/ombrelo/Draw.ini \
  share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
  share/icons/hicolor/scalable/apps/$app.svg share/doc/ombrelo/copyright \
  share/doc/ombrelo/manual.html share/doc/ombrelo/manual-main-window.png; do
  [ -e "$stage/$file" ] || fail "not installed: $file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -e "$stage/share/icons/hicolor/${size}x${size}/apps/$app.png" ] || fail "no ${size}px icon"
done
extra=$(find "$stage/bin" -mindepth 1 ! -name 'ombrelo*')
[ -z "$extra" ] || fail "more than programs in bin/: $extra"
for library in quintaro harrowlin; do
  link=$(find "$stage" -path "*/plugins/designer/lib$library.so")
  [ -n "$link" ] && [ -f "$(readlink -f "$link")" ] || fail "no designer plugin link to lib$library.so"
  if ldd "$stage/lib/ombrelo/controls/lib$library.so" | grep -q 'libQt6Designer'; then
    fail "lib$library.so links Qt Designer"
  fi
  if ldd "$stage/lib/ombrelo/controls/lib$library.so" | grep -q 'not found'; then
    fail "lib$library.so misses a library"
  fi
done
echo "installed layout ok"

echo "== the installed designer, offscreen, first and second start =="
home="$work/home"
mkdir -p "$home/data" "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
run_designer() {
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_RUNTIME_DIR="$home/runtime" XDG_DATA_DIRS="$work/no-system-data" \
    QT_PLUGIN_PATH="$build/probe" QT_QPA_GENERIC_PLUGINS=ombreloinstallprobe \
    timeout 90 "$stage/bin/ombrelo" 2>"$work/designer.err"
}
report=$(run_designer) || { cat "$work/designer.err" >&2; fail "the installed designer did not start"; }
profile="$home/data/ombrelo/Draw.ini"
starter="$stage/share/ombrelo/Draw.ini"
starter_styles=$(grep -c '^\[' "$starter")
if grep '^fallback ' <<<"$report"; then fail "controls were not hosted"; fi
grep -q '^control URLLink1 linklabel::URLLink$' <<<"$report" || fail "no link label hosted"
grep -q '^control Velmira14 Velmira$' <<<"$report" || fail "no fade-text caption hosted"
captions=$(grep -c '^control .* Velmira$' <<<"$report")
lines=$(sed -n 's/^source-lines //p' <<<"$report")
[ "${lines:-0}" -gt 10 ] || fail "the procedure source is not shown"
grep -qx "profile $profile" <<<"$report" || fail "the styles are not in the user's data folder"
grep -qx "styles $starter_styles" <<<"$report" || fail "the starter styles are not listed"
cmp -s "$starter" "$profile" || fail "the user's Draw.ini is not the starter"
[ ! -e "$stage/bin/Draw.ini" ] || fail "the designer wrote into the prefix's bin/"
link=$(sed -n 's/^link //p' <<<"$report")
if grep -q 'OMBRELO_HOME_PAGE:STRING=.' "$build/CMakeCache.txt"; then
  [ -n "$link" ] || fail "the home-page link has no address"
else
  [ "$link" = "file://$stage/share/doc/ombrelo/manual.html" ] ||
    fail "the home-page link does not open the installed manual: $link"
fi
echo "hosted $captions captions and the link, source of $lines lines, $starter_styles starter styles"

printf '[Mine]\r\nSliderValueR=1\r\n' >>"$profile"
cp "$profile" "$work/own.ini"
report=$(run_designer) || fail "the installed designer did not start again"
grep -qx "styles $((starter_styles + 1))" <<<"$report" || fail "the user's own style is not listed"
cmp -s "$work/own.ini" "$profile" || fail "the user's Draw.ini was changed"
echo "second start keeps the user's styles"

echo "== desktop entry and AppStream metadata =="
out=$(desktop-file-validate "$stage/share/applications/$app.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$stage/share/metainfo/$app.metainfo.xml"

echo "== Debian package =="
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$work/package"/*.deb)
echo "$(basename "$deb"):"
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print "  " $0 }'
listing=$(dpkg-deb -c "$deb")
for path in ./usr/bin/ombrelo ./usr/lib/ombrelo/libombrelo-platform.so.3 \
  ./usr/lib/ombrelo/controls/libquintaro.so ./usr/lib/ombrelo/controls/velmira.png \
  ./usr/lib/ombrelo/controls/libharrowlin.so ./usr/lib/ombrelo/controls/urllink.png \
  "./usr/share/ombrelo/Function Ombrelo.fnc" ./usr/share/ombrelo/Draw.ini \
  ./usr/share/applications/$app.desktop ./usr/share/metainfo/$app.metainfo.xml \
  ./usr/share/icons/hicolor/256x256/apps/$app.png; do
  grep -qF " $path" <<<"$listing" || fail "not in the package: $path"
done
grep -q '/qt6/plugins/designer/libquintaro.so -> ' <<<"$listing" || fail "no designer plugin link in the package"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks Qt: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw 'xdg-utils' <<<"$recommends" || fail "xdg-utils is not recommended: $recommends"
grep -qw 'qt6-wayland' <<<"$recommends" || fail "qt6-wayland is not recommended: $recommends"
echo "Depends: $depends"
echo "Recommends: $recommends"
lintian --fail-on error "$deb"
echo "install-check: all checks passed"
