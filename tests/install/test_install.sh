#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, checks the installed tree,
# and starts the program from its desktop entry as two ordinary users: each
# must get their own results in their own data folder, and nothing may be
# written beside the installed program. Removes the package and the users
# again at the end. Needs root (CI runs as root); skipped otherwise.
#
#   test_install.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
app_id=example.quorvane.Practice
users=(quorvane-pupil-a quorvane-pupil-b)

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root"
  exit 77
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

cleanup() {
  apt-get remove -y -q quorvane >/dev/null 2>&1 || true
  for u in "${users[@]}"; do
    pkill -u "$u" >/dev/null 2>&1 || true
    userdel -r "$u" >/dev/null 2>&1 || true
  done
}
trap cleanup EXIT

cd "$build"
rm -f quorvane_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack could not build the package"; }
deb=$(ls quorvane_*.deb)
echo "built $deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6webenginewidgets6 \
  || fail "the package does not depend on the Qt libraries it links"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb" >apt.log 2>&1 \
  || { cat apt.log; fail "apt could not install $deb"; }

# The installed tree.
[ -x /usr/bin/quorvane ] || fail "no /usr/bin/quorvane"
desktop=/usr/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry not valid"
for size in 16 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon"
done
[ -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
appstreamcli validate --no-net "$metainfo" || fail "metainfo not valid"
echo "installed tree checked"

# Start the program the way a menu does: the Exec line of its desktop entry.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
for u in "${users[@]}"; do
  id "$u" >/dev/null 2>&1 || useradd -m -s /bin/bash "$u"
  home=$(getent passwd "$u" | cut -d: -f6)
  marks="$home/.local/share/Quorvane/marks2EN.txt"
  runuser -u "$u" -- env -i HOME="$home" PATH=/usr/bin:/bin USER="$u" \
    xvfb-run -a sh -c "$exec_line & pid=\$!; \
      for i in \$(seq 1 150); do [ -s '$marks' ] && break; sleep 0.2; done; \
      sleep 1; kill \$pid; wait \$pid 2>/dev/null; true" \
    || fail "the program did not run for $u"
  [ -s "$marks" ] || fail "no results in $u's data folder ($marks)"
  [ "$(stat -c %U "$marks")" = "$u" ] || fail "$u's results belong to someone else"
  echo "$u: results in $(dirname "$marks")"
done
a_home=$(getent passwd "${users[0]}" | cut -d: -f6)
b_home=$(getent passwd "${users[1]}" | cut -d: -f6)
[ "$(stat -c %i "$a_home/.local/share/Quorvane/marks2EN.txt")" != \
  "$(stat -c %i "$b_home/.local/share/Quorvane/marks2EN.txt")" ] || fail "the users share one results file"

stray=$(find /usr/bin /usr/share/applications -newer "$build/$deb" \( -name '*.txt' -o -name Graphics \) | head -1)
[ -z "$stray" ] || fail "the program wrote beside itself: $stray"
echo "installed copy: every user keeps their own results"
