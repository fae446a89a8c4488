#!/usr/bin/env bash
# configure sends a board exactly the fields given, with the echo text the board reported, and
# the board keeps everything else. (An SN that no board answered for is the runner's unit test.)
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

expect_wire_clean
finish
