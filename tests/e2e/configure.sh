#!/usr/bin/env bash
# configure sends a board exactly the fields given, with the echo text the board reported, and
# the board keeps everything else; apply sends a plan's boards only what differs. (An SN that no
# board answered for is the runner's unit test.)
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 3 --echo 'e-42'

# ID and gateway only: no address, mask or DHCP setting goes out.
cli configure 02:5a:00:00:00:02 --id Pump-7 --gateway 192.168.10.254 --format csv
expect_rc 0 "configure --id --gateway"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Pump-7,025a00000002,192.168.10.102,255.255.255.0,192.168.10.254,off" "configured board as listed"
line=$(grep ' configure ' "$WORK/sim.log")
expect_eq "$(wc -l <<<"$line")" 1 "one configuration request"
expect_has "$line" 'mac=025a00000002 gateway=192.168.10.254 id=Pump-7 echo="e-42" -> board 1 applied' \
  "request fields"
for field in ip subnet dhcp; do expect_lacks "$line" " $field=" "request without $field"; done

# Address, mask and DHCP off, on another board.
: >"$WORK/sim.log"
cli configure 025A00000003 --ip 10.20.30.40 --mask 255.255.0.0 --dhcp off
expect_rc 2 "a new subnet, and the gateway the board keeps outside it"
expect_has "$ERR" "gateway 192.168.10.1 is outside 10.20.0.0/16, the subnet of 10.20.30.40 (the board keeps its gateway" \
  "kept gateway judged"
cli configure 025A00000003 --ip 10.20.30.40 --mask 255.255.0.0 --dhcp off --force
expect_rc 0 "configure --ip --mask --dhcp off"
expect_has "$(grep ' configure ' "$WORK/sim.log")" \
  'mac=025a00000003 ip=10.20.30.40 subnet=255.255.0.0 dhcp=off echo="e-42" -> board 2 applied' \
  "request fields"

# What the boards report now: only the fields sent have changed.
cli find --format csv
expect_rc 0 "find after configure"
expect_eq "$OUT" "id,sn,ip,subnet,gateway,dhcp
Sim0000,025a00000001,192.168.10.101,255.255.255.0,192.168.10.1,off
Pump-7,025a00000002,192.168.10.102,255.255.255.0,192.168.10.254,off
Sim0002,025a00000003,10.20.30.40,255.255.0.0,192.168.10.1,off" "boards after configure"

# A saved list is a plan. As it is, apply sends nothing; edited (';', CRLF and a BOM, as a
# spreadsheet saves it), a dry run sends nothing, apply sends exactly the row that differs and
# says the absent board (exit 1), and a second apply sends nothing. A refused plan sends nothing.
cli find --format csv
saved=$OUT
printf '%s\n' "$saved" >"$WORK/plan.csv"
: >"$WORK/sim.log"
cli apply "$WORK/plan.csv"
expect_rc 0 "apply the saved list"
expect_eq "$(grep -c ' unchanged' <<<"$OUT")" 3 "apply the saved list: every board unchanged"
{ printf '\xef\xbb\xbf'; sed 's/^Sim0000,\(.*\),192.168.10.101,/Rack-1,\1,192.168.10.51,/; s/,/;/g; s/$/\r/' <<<"$saved"
  printf '%s\r\n' "Ghost;025a000000ff;;;;"; } >"$WORK/plan.csv"
cli apply "$WORK/plan.csv" --dry-run --format csv
expect_rc 1 "dry run with an absent board"
expect_has "$OUT" "2,025a00000001,would change,\"id: Sim0000 -> Rack-1, ip: 192.168.10.101 -> 192.168.10.51\"" "dry run"
expect_has "$OUT" "5,025a000000ff,absent," "dry run names the absent board"
cli apply "$WORK/plan.csv" --format json
expect_rc 1 "apply with an absent board"
expect_has "$OUT" '"sn": "025a00000001", "result": "changed"' "apply"
cli apply "$WORK/plan.csv"
expect_rc 1 "second apply"
expect_has "$OUT" "025a00000001  unchanged" "second apply"
expect_eq "$(grep ' configure ' "$WORK/sim.log" | sed 's/.* configure len=[0-9]* //; s/ echo=.*//')" \
  "mac=025a00000001 ip=192.168.10.51 subnet=255.255.255.0 id=Rack-1" "one request, for the row that differs"
printf 'sn,ip\n025a00000001,10.20.30.40\n' >"$WORK/plan.csv"
cli apply "$WORK/plan.csv"
expect_rc 2 "a plan that takes another board's address"
expect_has "$ERR" "line 2: ip 10.20.30.40 is held by SN 025a00000003 (Sim0002), which is not in the plan" "refused plan"
expect_eq "$(grep -c ' configure ' "$WORK/sim.log")" 1 "nothing sent for the refused plan"
expect_wire_clean
finish
