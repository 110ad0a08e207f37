#!/bin/sh
# Installs what is missing, builds Tubewise with its tests and runs the whole suite offscreen.
# TUBEWISE_SANITIZE=1 builds and runs it under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
dir=build-test
sanitize=OFF
if [ "${TUBEWISE_SANITIZE:-0}" = 1 ]; then
    dir=build-asan
    sanitize=ON
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUBEWISE_SANITIZE=$sanitize >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 120
