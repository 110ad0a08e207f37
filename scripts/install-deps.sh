#!/bin/sh
# Installs the Debian 12 packages that building, running and testing Tubewise need.
# Safe to run again: packages already present are left alone and apt is not asked.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config \
libgtest-dev libgmock-dev libbenchmark-dev \
qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
libgif-dev \
libqt6sql6-sqlite libqt6sql6-psql postgresql sqlite3 \
xvfb xauth xdg-utils x11-apps openbox imagemagick poppler-utils \
fonts-dejavu-core fonts-liberation2 fonts-farsiweb \
python3 python3-pil"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

echo "Installing:$missing" >&2
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
