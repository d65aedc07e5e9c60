#!/usr/bin/env bash
# Runs the display test on a real X server: starts Xvfb at 96 dots per inch,
# runs build/display-test on the xcb platform at scale 1 and at scale 2, and
# stops Xvfb again. Usage: bash tests/display/ci.sh [BUILD_DIR] [SHOT_DIR]
# (default build; the screenshots go to SHOT_DIR if given, else to a temporary
# folder that is removed).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath -m "${1:-build}")

fail() {
  echo "tests/display: FAIL: $*" >&2
  exit 1
}

test_program="$build/display-test"
[ -x "$test_program" ] ||
  fail "$test_program is missing: build with TRAVERSE_GUI=ON and tests on before this test"
command -v Xvfb >/dev/null || fail "Xvfb is not installed (package xvfb)"

tmp=$(mktemp -d)
xvfb_pid=
stop() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap stop EXIT
trap 'exit 1' HUP INT TERM

shots=${2:-$tmp}
mkdir -p "$shots"

# Xvfb picks a free display itself and writes its number to fd 3 once it
# accepts connections. Large enough for the window at scale 2 (2064 x 1218):
# the X server hands out only the pixels of a window that is wholly on screen.
Xvfb -displayfd 3 -screen 0 2560x1600x24 -dpi 96 -nolisten tcp \
  3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; fail "Xvfb ended at start"; }
  sleep 0.1
done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log" >&2; fail "Xvfb did not start within 10 s"; }
display=":$(tr -d '[:space:]' <"$tmp/display")"

mkdir -m 700 "$tmp/runtime"
run() {  # scale, screenshot
  local log="$tmp/display-test-$1.log" status=0
  env -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_ENABLE_HIGHDPI_SCALING \
    -u QT_FONT_DPI -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" XDG_RUNTIME_DIR="$tmp/runtime" \
    TRAVERSE_DISPLAY_SCREENSHOT="$2" \
    timeout 40 "$test_program" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    [ "$status" -eq 124 ] && fail "display-test at scale $1 did not finish within 40 s"
    fail "display-test at scale $1 failed (status $status)"
  fi
  [ -s "$2" ] || fail "display-test at scale $1 saved no screenshot"
  echo "tests/display: scale $1: $(grep '^Totals:' "$log")"
}
run 1 "$shots/window.png"
run 2 "$shots/window-scaled.png"
echo "tests/display: ok (Xvfb $display)"
