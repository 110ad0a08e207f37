#!/bin/sh
# Walks the program's road with the keyboard alone and takes a picture of every window into
# screenshots/ in Persian and screenshots/en/ in English (under Xvfb with openbox when present,
# so that the pictures show the window frames), then measures start-up to the painted welcome
# window ten times.
# Usage: scripts/screenshots.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build-shots}
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUBEWISE_BUILD_TESTS=OFF \
        -DTUBEWISE_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --target tubewise-probe >/dev/null
probe="$dir/app/tubewise-probe"
mkdir -p screenshots/en

run_display() {
    # $1: the command to run with a display.
    if command -v xvfb-run >/dev/null 2>&1; then
        xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
            if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & sleep 0.5; fi
            $1"
    else
        QT_QPA_PLATFORM=offscreen sh -c "$1"
    fi
}

# The walk is made with the keyboard alone; a step that does not reach its control says so.
for lang in fa en; do
    out=screenshots
    [ "$lang" = fa ] || out=screenshots/$lang
    run_display "'$probe' shots $out $lang" 2>&1 | grep -v -e '^message:' -e XDG_RUNTIME_DIR || true
    run_display "'$probe' siteshots $out $lang" 2>&1 | grep -v XDG_RUNTIME_DIR || true
done
ls screenshots/*.png screenshots/en/*.png

echo "start-up to the painted welcome window, 10 runs (ms):"
run_display "for i in 1 2 3 4 5 6 7 8 9 10; do '$probe' startup; done" 2>/dev/null |
    awk '/process-start/ {p[n]=$2} /main-to/ {m[n++]=$2}
         END {
             for (i = 0; i < n; i++) { ps += p[i]; ms += m[i]; if (p[i] > pmax) pmax = p[i] }
             printf "  process start: mean %.0f, max %.0f (10 ms clock ticks)\n", ps / n, pmax
             printf "  from main():   mean %.1f\n", ms / n
         }'
