#!/usr/bin/env bash
# A board that never acknowledges is reported with the not-found text after its ten attempts;
# in a pass, --on-missing ignore goes on with the next board and abort (the default) ends the
# pass there, either way with status 1; Ctrl-C ends a configuration cleanly.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 3 --no-ack 025a00000002

# On a chatty LAN (datagrams that are no acknowledgement), the board is given up after the find
# and ten attempts of a second each.
start_flood 5000
cli configure 025a00000002 --id Lost --retries 0
stop_flood
expect_rc 1 "configure a silent board"
[ "$TOOK_MS" -lt 20000 ] || fail "giving up on a silent board took $TOOK_MS ms"
expect_has "$ERR" "Could not find this device:

   ID:  Sim0001
   IP:  192.168.10.102
   SN:  025a00000002

Check connections and try again." "not-found text"
expect_eq "$OUT" "" "nothing listed as configured"
expect_eq "$(grep -c ' configure .*mac=025a00000002 id=Lost' "$WORK/sim.log")" 10 "ten attempts"

cli auto --pattern 'Ign#' --on-missing ignore --format csv
expect_rc 1 "pass with a silent board, ignore"
expect_has "$ERR" "   SN:  025a00000002" "not-found text names the silent board"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Ign1,025a00000001,192.168.10.101,255.255.255.0,192.168.10.1,off
Ign3,025a00000003,192.168.10.103,255.255.255.0,192.168.10.1,off" "boards configured around the silent one"

: >"$WORK/sim.log"
cli auto --pattern 'Abt#' --format csv
expect_rc 1 "pass with a silent board, abort"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Abt1,025a00000001,192.168.10.101,255.255.255.0,192.168.10.1,off" "pass ends at the silent board"
expect_lacks "$(sim_log)" "mac=025a00000003" "nothing sent after the abort"

# Ctrl-C while the attempts run: the tool stops them and ends cleanly, without retrying.
: >"$WORK/sim.log"
ip netns exec "$NET-lan" "$CLI" configure 025a00000002 --id Lost --retries 5 >"$WORK/out" 2>"$WORK/err" &
pid=$!
for _ in $(seq 200); do
  grep -q ' configure ' "$WORK/sim.log" && break
  sleep 0.05
done
kill -INT "$pid"
# A tool that ignored the interrupt would run its six rounds of ten attempts: a minute.
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  fail "lanset-cli still runs 30 s after Ctrl-C"
  kill -9 "$pid"
fi
wait "$pid"
RC=$?
OUT=$(cat "$WORK/out"); ERR=$(cat "$WORK/err")
expect_rc 130 "Ctrl-C during configure"
expect_has "$ERR" "interrupted" "Ctrl-C message"
expect_lacks "$ERR" "trying again" "no retry after Ctrl-C"
expect_wire_clean
finish
