#!/usr/bin/env bash
# Start-up time and peak memory of traverse-adjust against traverse-bare-window,
# both built in BUILD_DIR: each program starts, paints its window once and ends
# (the quit_after_start plugin), RUNS times, alternating. Prints medians and
# the ratios, and exits 1 when a ratio exceeds LIMIT.
#
#   bench/startup.sh [--xvfb] [BUILD_DIR] [RUNS]     (build, 21)
#
# Default platform: offscreen. --xvfb runs on an X server (xvfb-run) with the
# xcb platform, as on a desktop. Needs /usr/bin/time (Debian package "time").
set -euo pipefail

limit=1.3
xvfb=0
if [ "${1:-}" = --xvfb ]; then
  xvfb=1
  shift
fi
build=$(realpath "${1:-build}")
runs=${2:-21}

if [ "$xvfb" = 1 ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --xvfb "$build" "$runs"
fi
platform=offscreen
[ "$xvfb" = 1 ] && platform=xcb

[ -x /usr/bin/time ] || { echo "startup.sh: /usr/bin/time missing (apt-get install time)" >&2; exit 2; }
for program in traverse-adjust traverse-bare-window; do
  [ -x "$build/$program" ] || { echo "startup.sh: $build/$program missing" >&2; exit 2; }
done
plugins="$build/bench-plugins"
compgen -G "$plugins/generic/*traverse_quit_after_start*" >/dev/null ||
  { echo "startup.sh: the quit_after_start plugin is not built in $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One start: wall time in microseconds and peak RSS in KiB, appended to
# $tmp/<name>.us and $tmp/<name>.kib.
measure() {  # name command...
  local name=$1 start end
  shift
  start=${EPOCHREALTIME/./}
  QT_QPA_PLATFORM=$platform QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=traversequitafterstart \
    timeout 60 /usr/bin/time -f %M -o "$tmp/rss" "$@" >/dev/null 2>"$tmp/err" ||
    { cat "$tmp/err" >&2; echo "startup.sh: $* did not start and end" >&2; exit 2; }
  end=${EPOCHREALTIME/./}
  [ "$name" = wrapper ] || grep -q 'first paint' "$tmp/err" ||
    { echo "startup.sh: $* ended without painting its window" >&2; exit 2; }
  echo $((end - start)) >>"$tmp/$name.us"
  cat "$tmp/rss" >>"$tmp/$name.kib"
}

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Warm the page cache and the font cache first; neither counts.
measure warmup "$build/traverse-bare-window"
measure warmup "$build/traverse-adjust"
for ((i = 0; i < runs; i++)); do
  measure wrapper /bin/true  # what timeout, time and the fork cost alone
  measure bare "$build/traverse-bare-window"
  measure program "$build/traverse-adjust"
done

wrapper=$(median "$tmp/wrapper.us")
bare_us=$(( $(median "$tmp/bare.us") - wrapper ))
program_us=$(( $(median "$tmp/program.us") - wrapper ))
bare_kib=$(median "$tmp/bare.kib")
program_kib=$(median "$tmp/program.kib")

awk -v p="$platform" -v n="$runs" -v w="$wrapper" -v bu="$bare_us" -v pu="$program_us" \
    -v bk="$bare_kib" -v pk="$program_kib" -v limit="$limit" '
BEGIN {
  printf "platform %s, %d starts each, medians (the %.1f ms of the launcher taken off)\n", p, n, w / 1000
  printf "%-22s %14s %16s\n", "", "start-up ms", "peak RSS KiB"
  printf "%-22s %14.1f %16d\n", "traverse-bare-window", bu / 1000, bk
  printf "%-22s %14.1f %16d\n", "traverse-adjust", pu / 1000, pk
  tr = pu / bu; mr = pk / bk
  printf "%-22s %14.2f %16.2f   (limit %.2f)\n", "ratio", tr, mr, limit
  exit (tr > limit || mr > limit) ? 1 : 0
}'
