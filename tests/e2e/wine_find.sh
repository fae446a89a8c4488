#!/usr/bin/env bash
# The Windows lanset-cli.exe (win64 build) under Wine passes the find test: every board once,
# with its fields, over Winsock; it checks the LAN and watches it as lanset-cli does.
. "$(dirname "$0")/e2e_lib.sh"
WINE_RUN=$5
WINE_PREFIX_DIR=$6

loader=$("$WINE_RUN" --loader 2>/dev/null) || skip "wine64 is not installed"
wineserver=$(dirname "$loader")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || skip "wineserver is not installed"
[ -f "$WIN64_CLI" ] || { echo "FAIL: $WIN64_CLI is missing: build lanset-cli in the win64 preset first"; exit 1; }

setup_lan
export LANSET_WINEPREFIX=$WINE_PREFIX_DIR
"$WINE_RUN" --seed || exit 1
# Wine opens its sockets in wineserver: the server for this prefix must be one started inside
# lanset's namespace, never one already running on the host.
WINEPREFIX=$LANSET_WINEPREFIX "$wineserver" -k 2>/dev/null
stop_wine() { WINEPREFIX=$LANSET_WINEPREFIX "$wineserver" -k 2>/dev/null; }
trap 'stop_wine; cleanup' EXIT
ip netns exec "$NET-lan" env WINEPREFIX="$LANSET_WINEPREFIX" "$wineserver" -p 30 \
  || { echo "FAIL: could not start wineserver in the namespace"; exit 1; }

start_sim --boards 5 --jitter 200
# On a chatty LAN (5000 datagrams a second that are no board's reply). The first run in a new
# prefix sets the prefix up: give it time.
start_flood 5000
ip netns exec "$NET-lan" timeout -k 5 -s INT 180 "$WINE_RUN" "$WIN64_CLI" find --format csv \
  >"$WORK/out" 2>"$WORK/err"
RC=$?
stop_flood
OUT=$(tr -d '\r' <"$WORK/out")
ERR=$(tr -d '\r' <"$WORK/err")
expect_rc 0 "find under Wine"
expect_eq "$(tail -n +2 <<<"$OUT" | sort)" "$(expected_rows 0 4)" "find under Wine"
expect_eq "$(head -1 <<<"$OUT")" "id,sn,ip,subnet,gateway,dhcp" "CSV header under Wine"
expect_has "$ERR" "Finished.  Found 5 devices" "progress under Wine"

# find --check and watch: the boards are outside the adapter's subnet; a watch that waits for
# the five ends once they are there.
wine_cli() {
  ip netns exec "$NET-lan" timeout -k 5 -s INT 60 "$WINE_RUN" "$WIN64_CLI" "$@" >"$WORK/out" 2>"$WORK/err"
  RC=$?
  OUT=$(tr -d '\r' <"$WORK/out")
}
wine_cli find --check --format json -q
expect_rc 1 "find --check under Wine"
expect_has "$OUT" '"problems": ["ip 192.168.10.101 is outside 10.213.0.0/24, the subnet of the adapter it answered on (10.213.0.1)' \
  "find --check under Wine"
wine_cli watch --count 5 --format json
expect_rc 0 "watch --count under Wine"
expect_eq "$(grep -c '"event": "appeared"' <<<"$OUT")" 5 "watch under Wine: every board appeared"
expect_wire_clean
finish
