#!/usr/bin/env bash
# Builds the Debian package in build/package, unpacks it into a scratch root and checks it there:
# its contents, its declared dependencies, its desktop entry, and `Tarvo --version` run from it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target Tarvo korusim reseal manual_pages
rm -rf build/package
cpack --config build/default/CPackConfig.cmake -B build/package
deb=$(ls build/package/tarvo_*.deb)
echo "Built $deb"

root=build/package/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/Tarvo usr/bin/korusim usr/bin/reseal \
            usr/share/man/man1/Tarvo.1.gz usr/share/man/man1/korusim.1.gz \
            usr/share/man/man1/reseal.1.gz usr/share/applications/tarvo.desktop \
            usr/share/icons/hicolor/scalable/apps/tarvo.svg usr/share/tarvo/help/tarvo.html; do
    if [ ! -s "$root/$file" ]; then
        echo "The package lacks $file" >&2
        exit 1
    fi
done
desktop-file-validate "$root/usr/share/applications/tarvo.desktop"
xmllint --noout "$root/usr/share/icons/hicolor/scalable/apps/tarvo.svg"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6charts6 libqt6dbus6 qt6-qpa-plugins; do
    if [[ "$depends" != *"$library"* ]]; then
        echo "The package does not declare $library" >&2
        exit 1
    fi
done
# The declared dependencies can be met from the archive (nothing is installed).
apt-get install --simulate --no-install-recommends "./$deb" >/dev/null

"$root/usr/bin/Tarvo" --version
"$root/usr/bin/korusim" --version
"$root/usr/bin/reseal" --version
