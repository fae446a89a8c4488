#!/usr/bin/env bash
# A board that never acknowledges is named as such after its ten attempts; in a pass sent in
# rounds it is sent again and then reported not as planned; one by one, --on-missing ignore goes
# on with the next board and abort (the default) ends the pass there, either way with status 1
# and a summary that names the boards; Ctrl-C ends a configuration or a pass cleanly and says
# where it stopped.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
# Board 0 acknowledges 1.3 s late, so that its second acknowledgement comes as board 1's attempts
# begin: it is board 0's, from board 0's own address, and board 1 stays "did not acknowledge".
start_sim --boards 3 --no-ack 025a00000002 --ack-delay 1300:0

# On a chatty LAN (datagrams that are no acknowledgement), the board is given up after the find
# and ten attempts of a second each.
start_flood 5000
cli configure 025a00000002 --id Lost --retries 0
stop_flood
expect_rc 1 "configure a silent board"
expect_has "$ERR" "lanset-cli: SN 025a00000002 (ID Sim0001, IP 192.168.10.102) did not acknowledge after 10 attempts. Check connections and try again." "not-acknowledged text"
expect_eq "$OUT" "" "nothing listed as configured"
expect_eq "$(grep -c ' configure .*mac=025a00000002 id=Lost' "$WORK/sim.log")" 10 "ten attempts"

: >"$WORK/sim.log"
cli auto --pattern 'Rnd#' --format csv
expect_rc 1 "pass in rounds with a silent board"
expect_has "$ERR" "Configured 2 of 3 boards
Not as planned: 025a00000002" "summary names the silent board"
expect_eq "$(grep -c ' configure .*mac=025a00000002 ' "$WORK/sim.log")" 3 "three rounds for the silent board"

cli auto --pattern 'Ign#' --on-missing ignore --format csv --one-by-one
expect_rc 1 "pass with a silent board, ignore"
expect_has "$ERR" "Configured 2 of 3 boards
Did not acknowledge: 025a00000002" "summary names the silent board"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Ign1,025a00000001,192.168.10.101,255.255.255.0,192.168.10.1,off
Ign3,025a00000003,192.168.10.103,255.255.255.0,192.168.10.1,off" "boards configured around the silent one"

: >"$WORK/sim.log"
cli auto --pattern 'Abt#' --format csv --one-by-one
expect_rc 1 "pass with a silent board, abort"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Abt1,025a00000001,192.168.10.101,255.255.255.0,192.168.10.1,off" "pass ends at the silent board"
expect_lacks "$(sim_log)" "mac=025a00000003" "nothing sent after the abort"
expect_has "$ERR" "Configured 1 of 3 boards
Did not acknowledge: 025a00000002
Not reached: 025a00000003" "summary after the abort"

# Ctrl-C while the attempts run: the tool stops them and ends cleanly, without retrying, and
# says where it stopped. interrupt_at_silent_board ARGS...: lanset-cli in the background, Ctrl-C
# once the silent board has had its first attempt.
interrupt_at_silent_board() {
  : >"$WORK/sim.log"
  ip netns exec "$NET-lan" "$CLI" "$@" >"$WORK/out" 2>"$WORK/err" &
  pid=$!
  for _ in $(seq 200); do
    grep -q ' configure .*mac=025a00000002' "$WORK/sim.log" && break
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
}
interrupt_at_silent_board configure 025a00000002 --id Lost --retries 5
expect_rc 130 "Ctrl-C during configure"
expect_has "$ERR" "lanset-cli: interrupted; SN 025a00000002 (ID Sim0001, IP 192.168.10.102) had not acknowledged" "Ctrl-C message"
expect_lacks "$ERR" "trying again" "no retry after Ctrl-C"
interrupt_at_silent_board auto --pattern 'Int#' --order sn --format csv --one-by-one
expect_rc 130 "Ctrl-C during auto"
expect_has "$ERR" "Configured 0 of 3 boards
Sent, but interrupted before a search verified it: 025a00000001
Interrupted before it acknowledged: 025a00000002
Not reached: 025a00000003" "summary after Ctrl-C"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp" "no board verified before Ctrl-C"
expect_wire_clean
finish
