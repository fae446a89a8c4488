# Shared by the end-to-end tests: a private LAN of two network namespaces (scripts/netns-lan),
# boardsim on one side, lanset-cli on the other, and a few assertions. Sourced, not run.
#
# The test script is called as: TEST.sh BOARDSIM LANSET_CLI NETNS_LAN [WIN64_CLI]
set -uo pipefail

BOARDSIM=$1
CLI=$2
NETNS_LAN=$3
WIN64_CLI=${4:-}
SKIP=77

TEST_NAME=$(basename "$0" .sh)
NET="e2e-${TEST_NAME//_/-}-$$"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/lanset-$TEST_NAME.XXXXXX")
SIM_PID=""
FLOOD_PID=""
FAILURES=0

skip() { echo "SKIP: $*"; exit $SKIP; }

cleanup() {
  stop_sim
  [ -n "$FLOOD_PID" ] && kill "$FLOOD_PID" 2>/dev/null
  "$NETNS_LAN" down "$NET" 2>/dev/null
  rm -rf "$WORK"
}

# Skips the test (exit 77) where namespaces cannot be made; otherwise makes the LAN.
setup_lan() {
  local why
  why=$("$NETNS_LAN" check 2>&1) || skip "${why:-network namespaces cannot be made here}"
  [ -x "$BOARDSIM" ] || { echo "FAIL: boardsim not built: $BOARDSIM"; exit 1; }
  [ -x "$CLI" ] || { echo "FAIL: lanset-cli not built: $CLI"; exit 1; }
  trap cleanup EXIT
  trap 'exit 130' INT TERM
  # No route for the limited broadcast on either side: lanset sends out of every adapter, and
  # boardsim answers by the one a request came in by.
  "$NETNS_LAN" up "$NET" || { echo "FAIL: could not make the namespaced LAN"; exit 1; }
}

# start_sim [boardsim options]: boards in $NET-brd, logging to $WORK/sim.log.
start_sim() {
  stop_sim
  rm -f "$WORK/ready"
  ip netns exec "$NET-brd" "$BOARDSIM" --log "$WORK/sim.log" --ready-file "$WORK/ready" "$@" \
    2>>"$WORK/sim.err" &
  SIM_PID=$!
  for _ in $(seq 100); do
    [ -s "$WORK/ready" ] && return 0
    kill -0 "$SIM_PID" 2>/dev/null || break
    sleep 0.05
  done
  echo "FAIL: boardsim did not start"; cat "$WORK/sim.err"; exit 1
}

stop_sim() {
  if [ -n "$SIM_PID" ]; then kill "$SIM_PID" 2>/dev/null; wait "$SIM_PID" 2>/dev/null; fi
  SIM_PID=""
}

# start_flood RATE: a device beside the boards broadcasts RATE datagrams a second to the board
# port, none of them a board's reply, until stop_flood.
start_flood() {
  ip netns exec "$NET-brd" python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BINDTODEVICE, b"veth0")
start, sent = time.monotonic(), 0
while True:
    while sent < (time.monotonic() - start) * int(sys.argv[1]): s.sendto(b"\xa5" * 64, ("255.255.255.255", 21210)); sent += 1
    time.sleep(0.002)' "$1" &
  FLOOD_PID=$!
}

stop_flood() {
  kill -0 "$FLOOD_PID" 2>/dev/null || fail "the flood of datagrams ended early"
  kill "$FLOOD_PID" 2>/dev/null; wait "$FLOOD_PID" 2>/dev/null
  FLOOD_PID=""
}

# cli ARGS...: runs lanset-cli in $NET-lan; $OUT and $ERR hold its output, $RC its status. A
# lanset-cli that hangs is stopped like a user would (Ctrl-C), then killed: status 124.
cli() {
  ip netns exec "$NET-lan" timeout -k 5 -s INT 60 "$CLI" "$@" >"$WORK/out" 2>"$WORK/err"
  RC=$?
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }

expect_rc() {
  [ "$RC" = "$1" ] || fail "$2: exit status $RC, expected $1
--- stdout:
$OUT
--- stderr:
$ERR"
}

expect_eq() {   # expect_eq ACTUAL EXPECTED WHAT
  [ "$1" = "$2" ] || fail "$3:
--- got:
$1
--- expected:
$2"
}

expect_has() {   # expect_has TEXT NEEDLE WHAT
  case $1 in *"$2"*) ;; *) fail "$3: no '$2' in:
$1";; esac
}

expect_lacks() {
  case $1 in *"$2"*) fail "$3: unexpected '$2' in:
$1";; esac
}

sim_log() { cat "$WORK/sim.log" 2>/dev/null; }

# Every datagram that lanset sent must have been exactly what a board expects.
expect_wire_clean() {
  ! grep -q malformed "$WORK/sim.log" 2>/dev/null || fail "boardsim saw malformed datagrams:
$(grep malformed "$WORK/sim.log")"
}

# CSV rows that boardsim's default scheme gives boards FIRST..LAST (indexes).
expected_rows() {
  local i
  for i in $(seq "$1" "$2"); do
    printf 'Sim%04d,025a%08x,192.168.10.%d,255.255.255.0,192.168.10.1,off\n' "$i" $((i + 1)) $((101 + i))
  done
}

finish() {
  [ "$FAILURES" = 0 ] && { echo "PASS: $TEST_NAME"; exit 0; }
  echo "$FAILURES check(s) failed in $TEST_NAME"; exit 1
}
