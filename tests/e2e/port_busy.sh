#!/usr/bin/env bash
# When another program holds UDP port 21210 on lanset's side, or no adapter can broadcast,
# lanset-cli says so and exits 1.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 2

# Another program (a second boardsim, here) holds the port in lanset's namespace.
ip netns exec "$NET-lan" "$BOARDSIM" --boards 1 --ready-file "$WORK/holder" 2>/dev/null &
holder=$!
for _ in $(seq 100); do [ -s "$WORK/holder" ] && break; sleep 0.05; done
[ -s "$WORK/holder" ] || { fail "the port holder did not start"; finish; }

cli find --format csv
expect_rc 1 "find with the port taken"
expect_has "$ERR" "lanset-cli: another program holds UDP 21210 (boardsim, process $holder)" "network message"
expect_eq "$OUT" "" "no board list when the network failed"

kill "$holder"; wait "$holder" 2>/dev/null
cli find --format csv
expect_rc 0 "find once the port is free"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
$(expected_rows 0 1)" "find once the port is free"

# No adapter that can broadcast (the cable is out): no network at all, not "Found 0 devices".
ip -n "$NET-lan" link set dev veth0 down
cli find --format csv
expect_rc 1 "find without an adapter"
expect_has "$ERR" "lanset-cli: no network adapter can broadcast" "network message without an adapter"
expect_lacks "$ERR" "Found 0 devices" "network message without an adapter"
expect_eq "$OUT" "" "no board list without an adapter"
finish
