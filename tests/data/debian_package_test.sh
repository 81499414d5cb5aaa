#!/usr/bin/env bash
# The Debian package, made and installed as a user's machine gets it:
#
#     debian_package_test.sh BUILD_DIR WORK_DIR README_EXAMPLE
#
# Packs the build with cpack -G DEB, installs the .deb with dpkg -i,
# translates the README's example through the installed carbonym-cli, checks
# the dictionary, the desktop entry and Qt's Chinese translation, then
# removes the package. Installing needs root (CI runs as root): skipped (77)
# otherwise, and where dpkg is missing or a carbonym package is installed
# already (it is not ours to replace).
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
example=$3
for tool in dpkg dpkg-deb cpack; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
[[ $(id -u) == 0 ]] || { echo "SKIPPED: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' carbonym 2>/dev/null | grep -q 'install ok'; then
    echo "SKIPPED: a carbonym package is installed already"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"
fail() { echo "FAILED: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack -G DEB: $(tail -20 "$work/cpack.log")"
deb=$(find "$work" -maxdepth 1 -name 'carbonym_*.deb' | head -1)
[[ -n $deb ]] || fail "cpack made no .deb: $(ls "$work")"
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Depends/p'

trap 'dpkg --purge carbonym >/dev/null 2>&1 || true' EXIT
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
for file in /opt/carbonym/carbonym /opt/carbonym/carbonym-cli /opt/carbonym/source.dat \
    /opt/carbonym/translations/qtbase_zh_CN.qm /usr/share/applications/carbonym.desktop; do
    [[ -e $file ]] || fail "$file is not installed"
done
grep -qx 'Exec="/opt/carbonym/carbonym"' /usr/share/applications/carbonym.desktop ||
    fail "the desktop entry does not start /opt/carbonym/carbonym: $(cat /usr/share/applications/carbonym.desktop)"
out=$(PATH=/usr/bin:/bin carbonym-cli translate --sort <"$example")
[[ $out == "4-氨基-苯甲酸乙酯" ]] || fail "the installed carbonym-cli translated to '$out'"
echo "installed carbonym-cli: $out"
dpkg --purge carbonym >"$work/dpkg.log" 2>&1 || fail "dpkg --purge: $(cat "$work/dpkg.log")"
[[ ! -e /opt/carbonym/carbonym-cli && ! -e /usr/bin/carbonym-cli ]] || fail "removing the package left its programs"
trap - EXIT
rm -rf "$deb" "$work/_CPack_Packages"
echo "PASSED"
