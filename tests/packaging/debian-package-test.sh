#!/usr/bin/env bash
# Builds the Debian package from this build tree, checks it with lintian, unpacks it into a
# scratch root and runs the unpacked command-line tool from there.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/out/aircooler_*.deb)

# Computed dependencies: the toolkit's libraries and its display plugins.
depends=$(dpkg-deb --field "$package" Depends)
for needed in libqt6core6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "FAIL: Depends lacks $needed: $depends"; exit 1; }
done

# No errors and no warnings from lintian (its notes on hardening are information only).
report=$(lintian --allow-root "$package" 2>&1 || true)
if grep -E '^[EW]: ' <<<"$report"; then
    echo "FAIL: lintian reports the lines above"
    exit 1
fi

# Everything the installation lays out is in the package.
contents=$(dpkg-deb --contents "$package")
for file in usr/bin/aircooler usr/bin/aircooler-cli usr/libexec/aircooler/aircooler-draw \
    usr/share/aircooler/IniFiles/IsoOils.ini \
    usr/share/aircooler/MachineSettings-US.ini usr/share/applications/com.brenvik.aircooler.desktop \
    usr/share/metainfo/com.brenvik.aircooler.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/com.brenvik.aircooler.svg \
    usr/share/icons/hicolor/48x48/apps/com.brenvik.aircooler.png \
    usr/share/man/man1/aircooler-cli.1.gz usr/share/man/man1/aircooler.1.gz \
    usr/share/doc/aircooler/copyright; do
    grep -q " ./$file\$" <<<"$contents" || { echo "FAIL: the package lacks $file"; exit 1; }
done

# The unpacked programs find their data beside themselves.
dpkg-deb -x "$package" "$work/root"
"$work/root/usr/bin/aircooler-cli" demo >"$work/demo.txt" ||
    { cat "$work/demo.txt"; echo "FAIL: demo"; exit 1; }
grep -q "Calculated data: KVAM 350-B" "$work/demo.txt" || { cat "$work/demo.txt"; exit 1; }
selected=$("$work/root/usr/bin/aircooler-cli" select --series VDM --oil "ISO VG 32" --flow 40 \
    --max-oil-temp 55 --air-temp 25 --altitude 300 --heat 3,5 --json)
grep -q '"model": "KVDM' <<<"$selected" || { echo "FAIL: select: $selected"; exit 1; }
# The diagram command hands over to its helper program, which finds the data as well.
diagram=$("$work/root/usr/bin/aircooler-cli" diagram --series VAM --oil "ISO VG 46" --flow 100 \
    --max-oil-temp 60 --air-temp 30 --altitude 0 --heat 20 --json --out "$work/diagram.svg")
grep -q '"chosen": true' <<<"$diagram" || { echo "FAIL: diagram: $diagram"; exit 1; }
grep -q '<svg' "$work/diagram.svg" || { echo "FAIL: the diagram picture is no SVG"; exit 1; }
"$work/root/usr/bin/aircooler" --version | grep -q '^aircooler 2\.03 '
echo "package $(basename "$package") is clean and runs unpacked"
