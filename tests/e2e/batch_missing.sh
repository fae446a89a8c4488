#!/usr/bin/env bash
# In a pass, a board that never acknowledges is reported; --on-missing ignore goes on with the
# next board, abort (the default) ends the pass there. Either way the status is 1.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 3 --no-ack 1

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
expect_wire_clean
finish
