#!/usr/bin/env bash
# Installs the Release build into a temporary prefix and packs it as a .deb,
# then checks what a desktop user gets: the program, its menu entry and its
# icons, in both. Usage: bash tests/install/ci.sh [BUILD_DIR]  (default build)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=$(realpath "${1:-build}")

fail() {
  echo "tests/install: FAIL: $*" >&2
  exit 1
}

[ -f "$build/CMakeCache.txt" ] || fail "no configured build in $build"
[ -x "$build/traverse-adjust" ] ||
  fail "$build/traverse-adjust is missing: build with TRAVERSE_GUI=ON before this test"
[ -f "$build/CPackConfig.cmake" ] ||
  fail "no packaging rules in $build: the top-level CMakeLists.txt has to include packaging/Packaging.cmake"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
arch=$(dpkg --print-architecture)

sizes=(16 24 32 48 64 128 256)
expected_files() {  # relative to the prefix
  echo bin/traverse-adjust
  echo share/applications/traverse-adjust.desktop
  for s in "${sizes[@]}"; do echo "share/icons/hicolor/${s}x${s}/apps/traverse-adjust.png"; done
  echo share/icons/hicolor/scalable/apps/traverse-adjust.svg
}

# Exactly these files: a stray header, library or test program is a fault too.
check_file_list() {  # what, actual list
  local want
  want=$(expected_files | sort)
  if [ "$2" != "$want" ]; then
    diff <(echo "$want") <(echo "$2") >&2 || true
    fail "$1: installed files differ from the expected list (< expected, > installed)"
  fi
}

check_desktop_entry() {  # file
  local line
  for line in 'Type=Application' 'Name=附合导线平差' 'Name[zh_CN]=附合导线平差' \
      'Exec=traverse-adjust' 'Icon=traverse-adjust' 'Categories=Education;Science;Geoscience;'; do
    grep -Fqx -- "$line" "$1" || fail "$1 lacks the line: $line"
  done
  if command -v desktop-file-validate >/dev/null; then
    local report
    report=$(desktop-file-validate "$1" 2>&1) || { echo "$report" >&2; fail "desktop-file-validate rejects $1"; }
    # Hints pass; the one expected says Education and Science are both main categories.
    if grep -Eq ': (error|warning):' <<<"$report"; then
      echo "$report" >&2
      fail "desktop-file-validate warns about $1"
    fi
  else
    echo "tests/install: NOTE: desktop-file-validate not installed, entry not validated" >&2
  fi
}

check_icons() {  # icon root (…/share/icons/hicolor)
  local s file header
  for s in "${sizes[@]}"; do
    file="$1/${s}x${s}/apps/traverse-adjust.png"
    # Signature, then the IHDR chunk: width and height, 4 bytes each, big-endian.
    header=$(od -An -tx1 -N24 "$file" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$file is not a PNG"
    [ $((16#${header:32:8})) -eq "$s" ] && [ $((16#${header:40:8})) -eq "$s" ] ||
      fail "$file is not ${s}x${s}"
  done
  grep -q '<svg' "$1/scalable/apps/traverse-adjust.svg" || fail "the scalable icon is no SVG"
}

# ---- cmake --install
prefix="$tmp/prefix"
log=$(cmake --install "$build" --prefix "$prefix" 2>&1) || { echo "$log" >&2; fail "cmake --install failed"; }
check_file_list "cmake --install" "$(cd "$prefix" && find . -type f -printf '%P\n' | sort)"
program="$prefix/bin/traverse-adjust"
[ -x "$program" ] || fail "bin/traverse-adjust is not executable"
[ "$(head -c4 "$program" | od -An -tx1 | tr -d ' \n')" = 7f454c46 ] || fail "bin/traverse-adjust is no ELF program"
if command -v readelf >/dev/null; then
  dynamic=$(readelf -d "$program")
  if grep -E 'R(UN)?PATH' <<<"$dynamic" | grep -Fq "$build"; then
    fail "the installed program still looks for libraries in the build tree"
  fi
fi
libraries=$(ldd "$program" 2>&1) || fail "ldd cannot read the installed program"
if grep -q 'not found' <<<"$libraries"; then
  echo "$libraries" >&2
  fail "the installed program lacks shared libraries"
fi
check_desktop_entry "$prefix/share/applications/traverse-adjust.desktop"
check_icons "$prefix/share/icons/hicolor"

# The installed program must start and wait for its commands. With the
# benchmarks' quit-after-first-paint plugin it also has to paint and end
# cleanly; without it, it has to be still running after two seconds.
plugins="$build/bench-plugins"
status=0
if compgen -G "$plugins/generic/*traverse_quit_after_start*" >/dev/null; then
  QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=traversequitafterstart \
    timeout 60 "$program" >"$tmp/start.log" 2>&1 || status=$?
  [ "$status" -eq 0 ] && grep -q 'first paint' "$tmp/start.log" ||
    { cat "$tmp/start.log" >&2; fail "the installed program did not start, paint and end (status $status)"; }
else
  QT_QPA_PLATFORM=offscreen timeout 2 "$program" >"$tmp/start.log" 2>&1 || status=$?
  [ "$status" -eq 124 ] || { cat "$tmp/start.log" >&2; fail "the installed program ended at start (status $status)"; }
fi

# ---- cpack: the .deb
log=$(cpack --config "$build/CPackConfig.cmake" -B "$tmp/deb" 2>&1) || { echo "$log" >&2; fail "cpack failed"; }
deb="$tmp/deb/traverse-adjust_${version}_${arch}.deb"
[ -f "$deb" ] || { ls "$tmp/deb" >&2; fail "cpack did not write traverse-adjust_${version}_${arch}.deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = traverse-adjust ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Description | head -n1)" ] || fail "no Description"
depends=", $(field Depends),"
for package in libqt6widgets6 libqt6gui6 libqt6core6; do
  [[ "$depends" =~ ,\ $package[\ ,] ]] || fail "Depends lacks $package: $depends"
done
[[ "$depends" == *", fonts-arphic-uming | fonts-noto-cjk,"* ]] || fail "Depends lacks the CJK font: $depends"
twice=$(field Depends | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names $twice more than once"

contents=$(dpkg-deb -c "$deb")
files=$(awk '$1 ~ /^-/ { sub(/^\.\/usr\//, "", $6); print $6 }' <<<"$contents" | sort)
check_file_list "the .deb" "$files"
while read -r mode owner _ _ _ path; do
  case "$path" in
    ./usr/bin/traverse-adjust) want=-rwxr-xr-x ;;
    *) want=-rw-r--r-- ;;
  esac
  [ "$mode" = "$want" ] && [ "$owner" = root/root ] || fail "$path in the .deb is $mode $owner, not $want root/root"
done < <(grep '^-' <<<"$contents")

unpacked="$tmp/unpacked"
dpkg-deb -x "$deb" "$unpacked"
check_desktop_entry "$unpacked/usr/share/applications/traverse-adjust.desktop"
check_icons "$unpacked/usr/share/icons/hicolor"
cmp -s "$unpacked/usr/share/applications/traverse-adjust.desktop" "$root/packaging/traverse-adjust.desktop" ||
  fail "the .deb's desktop entry differs from packaging/traverse-adjust.desktop"

echo "tests/install: ok (prefix install, program start, $(basename "$deb"))"
