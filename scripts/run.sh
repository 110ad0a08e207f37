#!/bin/sh
# Installs what is missing, builds Tubewise and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUBEWISE_BUILD_TESTS=OFF -DTUBEWISE_BUILD_BENCH=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Tubewise is a desktop program; on a machine without a screen run it under Xvfb:" >&2
    echo "    xvfb-run -s '-screen 0 1280x1024x24' ./build/tubewise" >&2
    exit 1
fi
exec ./build/tubewise "$@"
