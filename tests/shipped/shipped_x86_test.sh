#!/usr/bin/env bash
# The shipped programs as users get them: the x86 installer of the win32 build installs them
# silently into a fresh 32-bit prefix of Debian's i386 Wine; the installed lanset.exe finds,
# configures and auto-configures simulated boards on a namespaced LAN (tests/win/lanset_gui_e2e.sh
# with lanset_driver); the installed plugset.exe lists and renames the USB boards that
# simboard.sys simulates (plugset_driver); the silent uninstall then leaves nothing behind.
# Exits 77 (skipped) where the kernel runs no 32-bit programs or namespaces cannot be made.
#
#   shipped_x86_test.sh WIN32_BUILD_DIR BOARDSIM
set -uo pipefail
SKIP=77
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
BUILD=$(realpath -m "$1") BOARDSIM=$(realpath -m "$2")
started=$SECONDS

export LANSET_WINEARCH=win32
WINE_RUN=$root/scripts/wine-run
NETNS_LAN=$root/scripts/netns-lan
loader=$("$WINE_RUN" --loader 2>&1) || { echo "FAIL: $loader"; exit 1; }
# Debian's i386 Wine loader is itself a 32-bit program.
"$loader" --version >/dev/null 2>&1 ||
  { echo "SKIP: this kernel runs no 32-bit programs (no ia32 emulation): the x86 run is skipped"; exit $SKIP; }
why=$("$NETNS_LAN" check 2>&1) || { echo "SKIP: $why"; exit $SKIP; }
wineserver=$(dirname "$loader")/wineserver

installers=("$BUILD"/packages/*-setup.exe)
INSTALLER=${installers[0]}
for f in "$INSTALLER" "$BOARDSIM" "$BUILD"/bin/{lanset_driver.exe,plugset_driver.exe,simboard_setup.exe,simboard.sys}; do
  [ -f "$f" ] || { echo "FAIL: $f is missing"; exit 1; }
done

PREFIX=$BUILD/wineprefix-x86
export LANSET_WINEPREFIX=$PREFIX WINEPREFIX=$PREFIX
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
XVFB_PID="" PLUGSET_PID=""
cleanup() {
  [ -n "$PLUGSET_PID" ] && kill "$PLUGSET_PID" 2>/dev/null
  "$wineserver" -k 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

"$wineserver" -k 2>/dev/null
rm -rf "$PREFIX"
mkdir -p "$PREFIX"
log=$PREFIX.log
: >"$log"
"$WINE_RUN" wineboot --init >>"$log" 2>&1 || { echo "FAIL: wineboot"; exit 1; }
"$wineserver" -w

echo "== the x86 installer, silently"
dir="$PREFIX/drive_c/Program Files/Tarnwick Lanset"
programs="$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick Lanset'
(unset DISPLAY; "$WINE_RUN" "$INSTALLER" /S >>"$log" 2>&1) || fail "the installer ended with status $?"
"$wineserver" -w
for f in lanset.exe lanset-cli.exe plugset.exe readme.txt install.log uninstall.exe \
         "$programs/Tarnwick Lanset.lnk" "$programs/Tarnwick Plugset.lnk"; do
  [[ $f = /* ]] || f=$dir/$f
  [ -f "$f" ] || fail "not installed: $f"
done
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 || fail "no uninstall entry"
"$wineserver" -w

echo "== the installed lanset.exe on a namespaced LAN"
for scenario in find configure auto; do
  bash "$root/tests/win/lanset_gui_e2e.sh" "$BOARDSIM" "$dir/lanset.exe" "$BUILD/bin/lanset_driver.exe" \
    "$NETNS_LAN" "$WINE_RUN" "$PREFIX" "$scenario" 5 --jitter 100 || fail "lanset.exe: $scenario"
done

echo "== the installed plugset.exe over simulated USB boards"
WORK=$PREFIX.plugset
rm -rf "$WORK"; mkdir -p "$WORK"
# The display comes first: the prefix's desktop starts with its first program.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.err" &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
if [ -s "$WORK/display" ]; then
  export DISPLAY=":$(head -n 1 "$WORK/display")"
  # The driver lives as long as the wineserver: kept for this part, ended below.
  "$wineserver" -p
  cp "$BUILD/bin/simboard.sys" "$PREFIX/drive_c/windows/system32/drivers/lansetsim.sys"
  # Wine's own services start with this first program and keep its output open: no pipe here.
  "$WINE_RUN" "$BUILD/bin/simboard_setup.exe" 'C:\windows\system32\drivers\lansetsim.sys' >"$WORK/setup.out" 2>&1 ||
    fail "the simulated boards could not be set up: $(tr -d '\r' <"$WORK/setup.out")"
  "$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  timeout -k 5 300 "$WINE_RUN" "$dir/plugset.exe" >"$WORK/plugset.out" 2>&1 &
  PLUGSET_PID=$!
  timeout -k 5 200 "$WINE_RUN" "$BUILD/bin/plugset_driver.exe" >"$WORK/driver.out" 2>&1 ||
    fail "plugset.exe over the simulated boards"
  tr -d '\r' <"$WORK/driver.out"
  for _ in $(seq 200); do kill -0 "$PLUGSET_PID" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$PLUGSET_PID" 2>/dev/null; then
    fail "plugset.exe did not end within 10 s after its window closed"
  else
    wait "$PLUGSET_PID" || fail "plugset.exe ended with status $?"
  fi
  PLUGSET_PID=""
else
  fail "Xvfb did not start: $(cat "$WORK/xvfb.err")"
fi
"$wineserver" -k 2>/dev/null
kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
unset DISPLAY

echo "== the silent uninstall"
"$WINE_RUN" "$dir/uninstall.exe" /S >>"$log" 2>&1 || fail "the uninstaller ended with status $?"
"$wineserver" -w
for f in "$dir" "$programs/Tarnwick Lanset.lnk" "$programs/Tarnwick Plugset.lnk"; do
  [ ! -e "$f" ] || fail "left after the uninstall: $f"
done
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is left"
"$wineserver" -k 2>/dev/null

echo "   (x86 run: $((SECONDS - started)) s)"
if [ "$failures" -eq 0 ]; then echo "PASS: shipped x86 programs"; else echo "FAIL: shipped x86 programs ($failures)"; fi
[ "$failures" -eq 0 ]
