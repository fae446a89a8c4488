#!/usr/bin/env bash
# A host on two LANs: one board on LAN A (veth0, 10.213.0.0/24), two on LAN B (a bridge,
# 10.213.9.0/24), one of them on a foreign subnet that can only answer by broadcast. With the
# default route on LAN A, and with no default route at all, find lists every board of both LANs
# once, each LAN sees one discovery datagram per cycle, and configure and auto reach the boards of
# LAN B. The native lanset-cli, and the win64 lanset-cli.exe under Wine when it is built.
. "$(dirname "$0")/e2e_lib.sh"
WINE_RUN=${5:-}
WINE_PREFIX_DIR=${6:-}
setup_lan
"$NETNS_LAN" join "$NET" b1 lanb 10.213.9.2/24 10.213.9.1/24 || { echo "FAIL: no LAN B"; exit 1; }
"$NETNS_LAN" join "$NET" b2 lanb 172.31.9.2/24 || { echo "FAIL: no foreign board on LAN B"; exit 1; }

# board NAMESPACE LOG [boardsim options]: one more simulated board set, logging to $WORK/LOG.
board() {
  local ns=$1 log=$2; shift 2
  rm -f "$WORK/$log.ready"
  ip netns exec "$NET-$ns" "$BOARDSIM" --log "$WORK/$log" --ready-file "$WORK/$log.ready" "$@" \
    2>>"$WORK/sim.err" &
  for _ in $(seq 100); do [ -s "$WORK/$log.ready" ] && return 0; sleep 0.05; done
  echo "FAIL: boardsim in $ns did not start"; cat "$WORK/sim.err"; exit 1
}
board brd lanA --boards 1 --first-mac 025a0a000001 --id-pattern 'A#'
board b1 lanB1 --boards 1 --first-mac 025a0b000001 --id-pattern 'B#' --reply unicast
board b2 lanB2 --boards 1 --first-mac 025a0b000002 --id-pattern 'F#' --reply broadcast

discovers() { grep -c ' discover len=256 ' "$WORK/$1" 2>/dev/null; }
cycles() { grep -c '^Broadcast ' <<<"$ERR"; }
clear_logs() { for l in lanA lanB1 lanB2; do : >"$WORK/$l"; done; }

# Boards and the adapter each answered on, as "sn adapter" lines, from JSON.
found() { sed -n 's/.*"sn": "\([0-9a-f]*\)".*"adapter": \([^}]*\)}.*/\1 \2/p' <<<"$OUT" | tr -d '"' | sort; }
EXPECTED="025a0a000001 10.213.0.1
025a0b000001 10.213.9.1
025a0b000002 10.213.9.1"

# One find with each LAN hearing every cycle's discovery once.
check_find() {   # check_find WHAT
  expect_rc 0 "$1"
  expect_eq "$(found)" "$EXPECTED" "$1: every board of both LANs once, with its adapter"
  local n
  n=$(cycles)
  for l in lanA lanB1 lanB2; do expect_eq "$(discovers $l)" "$n" "$1: discoveries heard in $l"; done
}

for route in default none; do
  if [ $route = default ]; then
    ip -n "$NET-lan" route replace default via 10.213.0.2 dev veth0
  else
    ip -n "$NET-lan" route del default 2>/dev/null
  fi
  clear_logs
  cli find --format json -v
  check_find "find, $route route"
done

# LAN B beyond any route: a board on the foreign subnet is configured, and a batch reaches both.
clear_logs
cli configure 025a0b000002 --id Far1 --format csv
expect_rc 0 "configure the foreign board on LAN B"
expect_has "$(cat "$WORK/lanB2")" "applied and acknowledges" "the foreign board took its settings"
expect_has "$OUT" "Far1,025a0b000002" "configure the foreign board on LAN B"
cli auto --pattern 'Rack#' --sn 025a0b000001 --sn 025a0a000001 --format csv
expect_rc 0 "auto over boards of both LANs"
# Numbered in list order, which follows the order of the replies.
expect_eq "$(tail -n +2 <<<"$OUT" | cut -d, -f1 | sort | tr '\n' ' ')" "Rack1 Rack2 " "auto: IDs"
expect_eq "$(tail -n +2 <<<"$OUT" | cut -d, -f2 | sort | tr '\n' ' ')" "025a0a000001 025a0b000001 " \
  "auto over boards of both LANs"
cli find --adapter lanb --format json
expect_rc 0 "find on LAN B only"
expect_eq "$(found)" "025a0b000001 10.213.9.1
025a0b000002 10.213.9.1" "find on LAN B only"
cli find --adapter eth7
expect_rc 2 "an adapter that is not there"
expect_has "$ERR" "--adapter eth7 names no network adapter" "an adapter that is not there"

# The same find from the Windows program, under Wine, in this namespace.
if [ -n "$WINE_RUN" ] && [ -f "$WIN64_CLI" ] && loader=$("$WINE_RUN" --loader 2>/dev/null); then
  wineserver=$(dirname "$loader")/wineserver
  export LANSET_WINEPREFIX=$WINE_PREFIX_DIR
  "$WINE_RUN" --seed || exit 1
  # Wine opens its sockets in wineserver: the one for this prefix must start inside the namespace.
  WINEPREFIX=$LANSET_WINEPREFIX "$wineserver" -k 2>/dev/null
  trap 'WINEPREFIX=$LANSET_WINEPREFIX "$wineserver" -k 2>/dev/null; cleanup' EXIT
  ip netns exec "$NET-lan" env WINEPREFIX="$LANSET_WINEPREFIX" "$wineserver" -p 30 \
    || { echo "FAIL: could not start wineserver in the namespace"; exit 1; }
  wine_cli() {
    ip netns exec "$NET-lan" timeout -k 5 -s INT 180 "$WINE_RUN" "$WIN64_CLI" "$@" \
      >"$WORK/out" 2>"$WORK/err"
    RC=$?
    OUT=$(tr -d '\r' <"$WORK/out")
    ERR=$(tr -d '\r' <"$WORK/err")
  }
  clear_logs
  wine_cli find --format json -v
  check_find "find under Wine, no default route"
  wine_cli auto --pattern 'Win#' --sn 025a0b000002 --format csv
  expect_rc 0 "auto under Wine reaches the foreign board on LAN B"
  expect_has "$OUT" "Win1,025a0b000002" "auto under Wine reaches the foreign board on LAN B"
else
  echo "note: the Windows lanset-cli.exe was not run (not built, or no Wine)"
fi
finish
