#!/usr/bin/env bash
# auto numbers and addresses a batch: IDs from the pattern, consecutive addresses, over every
# board found or over the boards named, in list order or by SN.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 5

cli auto --pattern 'Lab###' --sequence 9 --ip 10.77.0.253 --mask 255.255.0.0 --gateway 10.77.0.1 \
  --format csv
expect_rc 0 "auto over every board"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Lab009,025a00000001,10.77.0.253,255.255.0.0,10.77.0.1,off
Lab010,025a00000002,10.77.0.254,255.255.0.0,10.77.0.1,off
Lab011,025a00000003,10.77.0.255,255.255.0.0,10.77.0.1,off
Lab012,025a00000004,10.77.1.0,255.255.0.0,10.77.0.1,off
Lab013,025a00000005,10.77.1.1,255.255.0.0,10.77.0.1,off" "boards configured"
expect_eq "$(grep -c ' configure .* applied and acknowledges' "$WORK/sim.log")" 5 "one request per board"
expect_lacks "$(sim_log)" " dhcp=" "no DHCP setting sent"

# The boards named, whatever order they are given in, go in list order; '%' takes the SN's end.
: >"$WORK/sim.log"
cli auto --pattern 'N#-%%%' --sequence 0 --ip 10.77.2.10 --mask 255.255.255.0 --gateway 10.77.2.1 --dhcp off \
  --sn 025a00000004 --sn 025a00000002
expect_rc 0 "auto over the boards named"
requests=$(grep ' configure ' "$WORK/sim.log")
expect_eq "$(sed 's/.* configure len=[0-9]* //; s/ echo=.*//' <<<"$requests")" \
  "mac=025a00000002 ip=10.77.2.10 subnet=255.255.255.0 gateway=10.77.2.1 dhcp=off id=N0-002
mac=025a00000004 ip=10.77.2.11 subnet=255.255.255.0 gateway=10.77.2.1 dhcp=off id=N1-004" "requests in list order"

# Only the gateway: every board keeps its ID and address.
: >"$WORK/sim.log"
cli auto --gateway 10.77.9.9 --sn 025a00000005
expect_rc 0 "auto with the gateway only"
expect_eq "$(grep ' configure ' "$WORK/sim.log" | sed 's/.* configure len=[0-9]* //; s/ ->.*//')" \
  'mac=025a00000005 gateway=10.77.9.9 echo="sim"' "gateway-only request"

cli find --format csv
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Lab009,025a00000001,10.77.0.253,255.255.0.0,10.77.0.1,off
N0-002,025a00000002,10.77.2.10,255.255.255.0,10.77.2.1,off
Lab011,025a00000003,10.77.0.255,255.255.0.0,10.77.0.1,off
N1-004,025a00000004,10.77.2.11,255.255.255.0,10.77.2.1,off
Lab013,025a00000005,10.77.1.1,255.255.0.0,10.77.9.9,off" "boards after the passes"
expect_wire_clean

# Boards that answer in a fresh order each time: --order sn numbers them by SN all the same.
start_sim --boards 5 --shuffle
cli auto --pattern 'S#' --order sn --format csv -q
expect_rc 0 "auto --order sn"
expect_eq "$(tail -n +2 <<<"$OUT" | cut -d, -f1,2 | tr '\n' ' ')" \
  "S1,025a00000001 S2,025a00000002 S3,025a00000003 S4,025a00000004 S5,025a00000005 " "numbered by SN"
expect_eq "$ERR" "" "--quiet: nothing on stderr"

# A rack sent in rounds, a tenth of its boards losing their first request: every board as
# planned, the lossy ones sent twice.
start_sim --boards 256 --ignore-first 1:every:10
cli auto --pattern 'R###' --order sn --ip 10.77.4.1 --mask 255.255.0.0 --gateway 10.77.0.1 --format csv -q
expect_rc 0 "auto in rounds over a lossy rack"
expect_eq "$(tail -n +2 <<<"$OUT" | grep -c ',10\.77\.[45]\.')" 256 "every board as planned"
expect_eq "$(grep -c 'ignores its first request' "$WORK/sim.log")" 26 "a tenth lost their first request"
expect_eq "$(grep -c ' configure ' "$WORK/sim.log")" 282 "the lossy boards sent again, the others once"

# A device that acknowledges every request, beside a board that takes nothing: the verifying
# search, not the acknowledgements, tells.
start_sim --boards 2 --no-ack 1 --ack-everything
cli auto --pattern 'K#' --format csv -q
expect_rc 1 "auto with a device that acknowledges everything"
expect_eq "$ERR" "Configured 1 of 2 boards
Not as planned: 025a00000002" "the board that took nothing"

# The station: a board numbered already is left alone; three plugged in one after another get
# the next free numbers and addresses. Then a watch sees them, a board's settings changed by
# another program, and a board unplugged.
start_sim --boards 4 --appear 1@12 --appear 2@14 --appear 3@16 --leave 0@30
cli configure 025a00000001 --id St01 --ip 192.168.10.150 --mask 255.255.255.0 -q
expect_rc 0 "a board numbered before the station"
cli auto --watch --pattern 'St##' --ip 192.168.10.150 --mask 255.255.255.0 --count 3 --format json
expect_rc 0 "the station ends once three boards are configured"
expect_eq "$OUT" '{"sn": "025a00000001", "id": "St01", "ip": "192.168.10.150", "result": "left alone: it holds a number and an address already"}
{"sn": "025a00000002", "id": "St02", "ip": "192.168.10.151", "result": "configured"}
{"sn": "025a00000003", "id": "St03", "ip": "192.168.10.152", "result": "configured"}
{"sn": "025a00000004", "id": "St04", "ip": "192.168.10.153", "result": "configured"}' "station lines"
expect_has "$ERR" "Configured 3 boards" "station summary"
ip netns exec "$NET-lan" "$CLI" watch --format json >"$WORK/watch" 2>&1 &
watch_pid=$!
await_line() {   # await_line TEXT: until the watch has printed it, 15 s at most
  for _ in $(seq 150); do grep -q "$1" "$WORK/watch" && return 0; sleep 0.1; done
  fail "the watch never printed $1: $(cat "$WORK/watch")"
}
await_line '"event": "appeared", .*"sn": "025a00000004"'
# Another program renames board 2: its request goes out of the board port's neighbour.
ip netns exec "$NET-lan" python3 -c 'import socket
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BINDTODEVICE, b"veth0")
body = bytes([1, 6, 0x02, 0x5a, 0, 0, 0, 3, 6, 5]) + b"Moved" + bytes([7, 3]) + b"sim"
s.sendto(bytes([0, 12 + len(body)]) + bytes(8) + bytes([2, 0]) + body, ("255.255.255.255", 21210))'
await_line '"event": "changed", .*"id": "Moved", .*"changes": {"id": {"old": "St03", "new": "Moved"}}'
await_line '"event": "gone", .*"sn": "025a00000001"'
kill -INT "$watch_pid"
wait "$watch_pid"
expect_eq "$?" 0 "Ctrl-C ends a watch with 0"
finish
