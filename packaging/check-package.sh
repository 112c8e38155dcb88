#!/usr/bin/env bash
# Checks that a built Debian package holds every part of Vantorel where the
# installed program looks for it. Usage: check-package.sh vantorel_*.deb
set -euo pipefail

package=$1
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
missing=0
for wanted in \
  ./usr/bin/vantorel \
  ./usr/bin/vantorel-stakeout \
  ./usr/lib/libTrazel.so.5 \
  ./usr/lib/vantorel/importers/libObrinex.so \
  ./usr/lib/vantorel/importers/libLandXmlImporter.so \
  ./usr/share/vantorel/translations/vantorel_zh_CN.qm \
  ./usr/share/vantorel/translations/Obrinex_zh_CN.qm \
  ./usr/share/vantorel/translations/LandXmlImporter_zh_CN.qm \
  ./usr/share/applications/vantorel.desktop \
  ./usr/share/mime/packages/vantorel.xml \
  ./usr/share/icons/hicolor/scalable/apps/vantorel.svg; do
  if ! grep -qxF "$wanted" <<<"$contents"; then
    echo "check-package: $package lacks $wanted" >&2
    missing=1
  fi
done
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 ||
  { echo "check-package: $package does not depend on Qt Widgets" >&2; missing=1; }
[ "$missing" -eq 0 ] && echo "check-package: $package holds every part"
exit "$missing"
