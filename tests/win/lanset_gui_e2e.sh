#!/usr/bin/env bash
# lanset.exe (win64) under Wine on a private LAN of two network namespaces, simulated boards on
# the other side, driven from outside by lanset_driver.exe through window messages. Everything
# (X server, wineserver, lanset, driver) runs inside the namespace; nothing touches the host's
# interfaces. Skips (77) where it cannot run.
#
#   lanset_gui_e2e.sh BOARDSIM LANSET_EXE DRIVER_EXE NETNS_LAN WINE_RUN PREFIX SCENARIO BOARDS \
#                     [boardsim options...]
# With LANSET_GUI_KEEP=DIR, the files that the driver saved are copied to DIR.
set -uo pipefail
SKIP=77
BOARDSIM=$1 LANSET=$2 DRIVER=$3 NETNS_LAN=$4 WINE_RUN=$5 PREFIX=$6 SCENARIO=$7 BOARDS=$8
shift 8
# The driver runs in a folder of its own: every path must hold from anywhere.
for v in BOARDSIM LANSET DRIVER NETNS_LAN WINE_RUN PREFIX; do
  printf -v "$v" '%s' "$(realpath -m "${!v}")"
done

skip() { echo "SKIP: $*"; exit $SKIP; }

why=$("$NETNS_LAN" check 2>&1) || skip "$why"
[ -x "$BOARDSIM" ] || skip "no native boardsim at $BOARDSIM: build the linux preset first"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
loader=$("$WINE_RUN" --loader 2>/dev/null) || skip "wine64 is not installed"
wineserver=$(dirname "$loader")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || skip "wineserver is not installed"
for f in "$LANSET" "$DRIVER"; do [ -f "$f" ] || { echo "FAIL: $f is missing"; exit 1; }; done

NET="gui-$SCENARIO-$$"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/lanset-gui-$SCENARIO.XXXXXX")
export LANSET_WINEPREFIX=$PREFIX WINEPREFIX=$PREFIX
"$WINE_RUN" --seed || exit 1
XVFB_PID="" SIM_PID="" LANSET_PID=""

stop_pid() { [ -n "$1" ] && { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }; }
cleanup() {
  stop_pid "$LANSET_PID"
  "$wineserver" -k 2>/dev/null
  stop_pid "$SIM_PID"
  stop_pid "${SIM2_PID:-}"
  stop_pid "$XVFB_PID"
  "$NETNS_LAN" down "$NET" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Wine opens sockets in wineserver: the one for this prefix must start inside the namespace.
"$wineserver" -k 2>/dev/null
"$NETNS_LAN" up "$NET" || { echo "FAIL: could not make the namespaced LAN"; exit 1; }
in_lan() { ip netns exec "$NET-lan" "$@"; }

in_lan Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.err" &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
[ -s "$WORK/display" ] || { echo "FAIL: Xvfb did not start"; cat "$WORK/xvfb.err"; exit 1; }
export DISPLAY=":$(head -n 1 "$WORK/display")"

in_lan "$wineserver" -p 30 || { echo "FAIL: could not start wineserver in the namespace"; exit 1; }
# With no window manager Wine waits for every managed window it hides; leave windows unmanaged.
in_lan timeout 60 "$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >"$WORK/reg.log" 2>&1 || { echo "FAIL: could not prepare the Wine prefix"; cat "$WORK/reg.log"; exit 1; }

# two-lans: half the boards on a second LAN (a bridge with no route to it but its own); the
# driver's configure scenario then finds all of them and configures one on the second LAN.
DRIVER_SCENARIO=$SCENARIO
ON_A=$BOARDS
SIM2_PID=""
if [ "$SCENARIO" = two-lans ]; then
  DRIVER_SCENARIO=configure
  ON_A=$((BOARDS / 2))
  "$NETNS_LAN" join "$NET" b1 lanb 10.213.9.2/24 10.213.9.1/24 \
    || { echo "FAIL: could not make the second LAN"; exit 1; }
  ip netns exec "$NET-b1" "$BOARDSIM" --boards $((BOARDS - ON_A)) --first-index "$ON_A" \
    --ready-file "$WORK/ready2" --log "$WORK/sim2.log" "$@" 2>"$WORK/sim2.err" &
  SIM2_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/ready2" ] && break; sleep 0.05; done
  [ -s "$WORK/ready2" ] || { echo "FAIL: boardsim on LAN B did not start"; cat "$WORK/sim2.err"; exit 1; }
fi

ip netns exec "$NET-brd" "$BOARDSIM" --boards "$ON_A" --ready-file "$WORK/ready" \
  --log "$WORK/sim.log" "$@" 2>"$WORK/sim.err" &
SIM_PID=$!
for _ in $(seq 100); do [ -s "$WORK/ready" ] && break; sleep 0.05; done
[ -s "$WORK/ready" ] || { echo "FAIL: boardsim did not start"; cat "$WORK/sim.err"; exit 1; }

# Every scenario takes well under a minute; a Wine client that hangs (Wine now and then loses one
# at start or exit) is stopped long before the test's own time-out, so that its second run has
# time to run.
in_lan timeout -k 5 130 "$WINE_RUN" "$LANSET" >"$WORK/lanset.out" 2>&1 &
LANSET_PID=$!

# The driver works in a folder of its own (pictures it takes land there).
mkdir -p "$WORK/driver"
(cd "$WORK/driver" && in_lan timeout -k 5 120 "$WINE_RUN" "$DRIVER" "$DRIVER_SCENARIO" "$BOARDS") 2>&1 \
  | tr -d '\r'
DRIVER_RC=${PIPESTATUS[0]}
# LANSET_GUI_KEEP=DIR keeps what the driver saved.
if [ -n "${LANSET_GUI_KEEP:-}" ]; then cp -r "$WORK/driver/." "$LANSET_GUI_KEEP/"; fi

# The driver ended the program like a user: it must leave by itself, cleanly.
LANSET_RC=""
for _ in $(seq 200); do
  if ! kill -0 "$LANSET_PID" 2>/dev/null; then wait "$LANSET_PID"; LANSET_RC=$?; break; fi
  sleep 0.05
done
LANSET_PID_LEFT=$LANSET_PID
LANSET_PID=""
failed=0
if [ -z "$LANSET_RC" ]; then
  echo "FAIL: lanset.exe did not end within 10 s after Exit"
  LANSET_PID=$LANSET_PID_LEFT
  failed=1
elif [ "$LANSET_RC" != 0 ]; then
  echo "FAIL: lanset.exe ended with status $LANSET_RC"
  tr -d '\r' <"$WORK/lanset.out" | tail -n 20
  failed=1
fi
if [ -n "$SIM2_PID" ]; then
  # Each LAN heard every discovery of the find, once per cycle.
  a=$(grep -c ' discover ' "$WORK/sim.log"); b=$(grep -c ' discover ' "$WORK/sim2.log")
  if [ "$a" != "$b" ] || [ "$a" -lt 3 ]; then
    echo "FAIL: discoveries heard on LAN A: $a, on LAN B: $b"; failed=1
  fi
fi
if grep -q malformed "$WORK/sim.log" 2>/dev/null; then
  echo "FAIL: boardsim saw malformed datagrams"; grep malformed "$WORK/sim.log" | head -n 5
  failed=1
fi
[ "$DRIVER_RC" = 0 ] || failed=1
[ "$failed" = 0 ] && echo "PASS: lanset GUI $SCENARIO" || echo "FAIL: lanset GUI $SCENARIO"
exit "$failed"
