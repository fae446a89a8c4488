#!/usr/bin/env bash
# find lists every board once, with its fields, whether the boards answer by broadcast or
# unicast, with the length in either header form, in random order, and all at once; --check
# names what is wrong on the LAN.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan

start_sim --boards 6 --reply broadcast
cli find --format csv -v
expect_rc 0 "find, broadcast replies"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
$(expected_rows 0 5)" "find, broadcast replies"
expect_has "$ERR" "Broadcast 0" "progress"
expect_has "$ERR" "Found device Sim0005" "progress"
expect_has "$ERR" "Finished.  Found 6 devices" "progress"
expect_wire_clean
# The find repeats its broadcast until three cycles bring no news: every board answers each
# time, and still each is listed once (checked above).
[ "$(grep -c ' discover len=256 ' "$WORK/sim.log")" -ge 3 ] || fail "fewer than three discovery cycles"

start_sim --boards 4 --reply unicast --length-first-byte --first-mac 02:5A:00:00:00:01 \
  --dhcp on --id-pattern 'Unit-##'
cli find --format json
expect_rc 0 "find, unicast replies"
expect_eq "$OUT" '[
  {"id": "Unit-00", "sn": "025a00000001", "ip": "192.168.10.101", "subnet": "255.255.255.0", "gateway": "192.168.10.1", "dhcp": "on", "adapter": "10.213.0.1"},
  {"id": "Unit-01", "sn": "025a00000002", "ip": "192.168.10.102", "subnet": "255.255.255.0", "gateway": "192.168.10.1", "dhcp": "on", "adapter": "10.213.0.1"},
  {"id": "Unit-02", "sn": "025a00000003", "ip": "192.168.10.103", "subnet": "255.255.255.0", "gateway": "192.168.10.1", "dhcp": "on", "adapter": "10.213.0.1"},
  {"id": "Unit-03", "sn": "025a00000004", "ip": "192.168.10.104", "subnet": "255.255.255.0", "gateway": "192.168.10.1", "dhcp": "on", "adapter": "10.213.0.1"}
]' "find, unicast replies"

# Replies spread over 400 ms arrive in any order; the list holds each board once.
start_sim --boards 40 --jitter 400
cli find --format table
expect_rc 0 "find, jittered replies"
expect_eq "$(head -1 <<<"$OUT" | sed 's/  */ /g')" "ID SN IP SUBNET GATEWAY DHCP" "table header"
expect_eq "$(tail -n +2 <<<"$OUT" | sed 's/  */,/g' | sort)" "$(expected_rows 0 39 | sort)" \
  "find, jittered replies, as a table"

# A rack of boards behind one switch: every reply at once, in a fresh order per discovery.
start_sim --boards 150 --burst --shuffle
cli find --format csv
expect_rc 0 "find, shuffled burst"
expect_eq "$(tail -n +2 <<<"$OUT" | sort)" "$(expected_rows 0 149 | sort)" "find, shuffled burst"

# A chatty LAN: 5000 datagrams a second to the board port, none a board's reply, are read and
# dropped; every board is listed once.
start_sim --boards 3
start_flood 5000
cli find --format csv
stop_flood
expect_eq "$RC $OUT" "0 id,sn,ip,subnet,gateway,dhcp
$(expected_rows 0 2)" "find on a chatty LAN"

# --check: boards at addresses outside the subnet of the adapter they answered on (10.213.0.1/24).
cli find --check
expect_rc 1 "find --check, boards outside the adapter's subnet"
expect_has "$OUT" "! SN 025a00000001: ip 192.168.10.101 is outside 10.213.0.0/24, the subnet of the adapter it answered on (10.213.0.1)" \
  "find --check names the board and the problem"

# A sound LAN gives 0; two boards on one address give 1, each naming the other.
start_sim --boards 3 --first-ip 10.213.0.101 --gateway 10.213.0.254
cli find --check
expect_rc 0 "find --check on a sound LAN"
expect_has "$ERR" "No problems found" "find --check on a sound LAN"
cli configure 025a00000003 --ip 10.213.0.101 --mask 255.255.255.0 --force -q
expect_rc 0 "a second board on one address, on purpose"
cli find --check --format json
expect_rc 1 "find --check, two boards on one address"
expect_has "$OUT" '"sn": "025a00000001", "ip": "10.213.0.101", "subnet": "255.255.255.0", "gateway": "10.213.0.254", "dhcp": "off", "adapter": "10.213.0.1", "problems": ["ip 10.213.0.101 is also reported by SN 025a00000003"]' \
  "find --check --format json"

stop_sim
cli find --format csv
expect_rc 0 "find, no boards"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp" "find, no boards"
expect_has "$ERR" "Finished.  Found 0 devices" "find, no boards"
finish
