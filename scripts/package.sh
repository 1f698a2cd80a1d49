#!/usr/bin/env bash
# Builds the Debian package from build/ (as scripts/test.sh left it), checks its contents and
# metadata, installs it on this machine, checks that the installed programs run and that the
# design file type and the menu entry are registered, then removes it again, also when a check fails.
# Safe to run again: it installs only the tools that are missing and replaces an earlier package.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive

# dpkg-shlibdeps finds the package's dependencies; the rest check the desktop integration
# (xdg-mime reads a file's type through libfile-mimeinfo-perl's `mimetype`). desktop-file-utils
# and shared-mime-info must be there before the package, so that their triggers register its
# menu entry and file type.
tools=(dpkg-dev appstream desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl)
./scripts/install-missing.sh "${tools[@]}"

if [ ! -f build/CMakeCache.txt ]; then
  echo "package.sh: build/ is not configured; run ./scripts/test.sh first" >&2
  exit 1
fi

echo "== building the package"
rm -f build/armorwright_*.deb
(cd build && cpack -G DEB)
debs=(build/armorwright_*.deb)
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
mime_type=application/x-armorwright-design

fail() {
  echo "package.sh: $*" >&2
  exit 1
}

echo "== checking $deb"
[[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "the package does not depend on Qt"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in \
  ./usr/bin/armorwright \
  ./usr/bin/armorwright-cli \
  ./usr/share/applications/armorwright.desktop \
  ./usr/share/mime/packages/armorwright.xml \
  ./usr/share/icons/hicolor/256x256/apps/armorwright.png \
  ./usr/share/icons/hicolor/scalable/apps/armorwright.svg \
  ./usr/share/metainfo/io.github.armorwright.Armorwright.metainfo.xml \
  ./usr/share/doc/armorwright/user-guide.html \
  ./usr/share/doc/armorwright/copyright \
  ./usr/share/doc/armorwright/changelog.gz; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
unpacked=$(mktemp -d)
scratch=$(mktemp -d)
installed=false
cleanup() {
  status=$?
  if $installed; then
    echo "== removing the package"
    $sudo_cmd apt-get remove -y -qq armorwright || status=1
  fi
  rm -rf "$unpacked" "$scratch"
  exit $status
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/io.github.armorwright.Armorwright.metainfo.xml"
desktop-file-validate "$unpacked/usr/share/applications/armorwright.desktop"

echo "== installing it"
installed=true
if [ "$(dpkg-query -W -f='${Status}' armorwright 2>/dev/null)" = "install ok installed" ]; then
  $sudo_cmd apt-get remove -y -qq armorwright
fi
$sudo_cmd apt-get install -y -qq "./$deb"

echo "== checking the installed programs"
[ "$(/usr/bin/armorwright-cli --version)" = "armorwright-cli $version" ] || fail "armorwright-cli --version"
[ "$(QT_QPA_PLATFORM=offscreen /usr/bin/armorwright --version)" = "Armorwright $version" ] || fail "armorwright --version"
design="$scratch/armory.vkd"
/usr/bin/armorwright-cli from-json fuzz/corpus/design_json/seed-armory -o "$design"
/usr/bin/armorwright-cli report "$design" >/dev/null

echo "== checking the design file type and the menu entry"
[ "$(xdg-mime query filetype "$design")" = "$mime_type" ] || fail "$design is not of type $mime_type"
[ "$(xdg-mime query default "$mime_type")" = "armorwright.desktop" ] || fail "no menu entry opens $mime_type"
echo "package.sh: $deb installs and works"
