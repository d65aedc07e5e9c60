#!/usr/bin/env bash
# Start-up time and peak memory of traverse-adjust against traverse-bare-window,
# both built in BUILD_DIR: each program starts, paints its window once and ends
# (the quit_after_start plugin), RUNS times, alternating. Prints medians and
# the ratios, and exits 1 when the start-up or the memory ratio exceeds the
# limit. CPU time is shown beside the wall time: it is what a busy machine
# disturbs least.
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

# Sets cpu_us to the CPU time, in microseconds, of everything this shell has
# waited for. Not called as $(...): a subshell has waited for nothing.
children_cpu() {
  times >"$tmp/times"
  cpu_us=$(tail -n1 "$tmp/times" | awk '{
    n = 0
    for (i = 1; i <= 2; i++) { split($i, p, /[ms]/); n += p[1] * 60 + p[2] }
    printf "%d\n", n * 1000000 }')
}

# One start: wall and CPU time in microseconds and peak RSS in KiB, appended to
# $tmp/<name>.us, $tmp/<name>.cpu and $tmp/<name>.kib.
measure() {  # name command...
  local name=$1 start end cpu_start
  shift
  children_cpu
  cpu_start=$cpu_us
  start=${EPOCHREALTIME/./}
  QT_QPA_PLATFORM=$platform QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=traversequitafterstart \
    timeout 60 /usr/bin/time -f %M -o "$tmp/rss" "$@" >/dev/null 2>"$tmp/err" ||
    { cat "$tmp/err" >&2; echo "startup.sh: $* did not start and end" >&2; exit 2; }
  end=${EPOCHREALTIME/./}
  [ "$name" = wrapper ] || grep -q 'first paint' "$tmp/err" ||
    { echo "startup.sh: $* ended without painting its window" >&2; exit 2; }
  echo $((end - start)) >>"$tmp/$name.us"
  children_cpu
  echo $((cpu_us - cpu_start)) >>"$tmp/$name.cpu"
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

# What timeout, time and the fork cost alone is taken off each program.
net() { echo $(( $(median "$tmp/$1.$2") - $(median "$tmp/wrapper.$2") )); }

awk -v p="$platform" -v n="$runs" -v bu="$(net bare us)" -v pu="$(net program us)" \
    -v bc="$(net bare cpu)" -v pc="$(net program cpu)" \
    -v bk="$(median "$tmp/bare.kib")" -v pk="$(median "$tmp/program.kib")" -v limit="$limit" '
BEGIN {
  printf "platform %s, %d starts each, medians\n", p, n
  printf "%-22s %14s %14s %16s\n", "", "start-up ms", "CPU ms", "peak RSS KiB"
  printf "%-22s %14.1f %14.1f %16d\n", "traverse-bare-window", bu / 1000, bc / 1000, bk
  printf "%-22s %14.1f %14.1f %16d\n", "traverse-adjust", pu / 1000, pc / 1000, pk
  tr = pu / bu; cr = pc / bc; mr = pk / bk
  printf "%-22s %14.2f %14.2f %16.2f   (limit %.2f on start-up and memory)\n", "ratio", tr, cr, mr, limit
  exit (tr > limit || mr > limit) ? 1 : 0
}'
