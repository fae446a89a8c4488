#!/usr/bin/env bash
# The collection in contrib/ansible, built and installed as its users do, on two namespaced LANs,
# each with its own boards and plan, its playbook run by Debian's ansible-core with a local
# connection whose module runs inside each LAN's namespace: check mode reports the changes and
# sends nothing, apply changes the boards, and a second apply reports no change; a check of both
# LANs fails LAN A (its boards are outside its subnet) and passes LAN B. LAN B's boards answer with
# IDs that would retitle and clear a terminal.
. "$(dirname "$0")/e2e_lib.sh"
CONTRIB=$(cd "$(dirname "$0")/../../contrib/ansible" && pwd)
command -v ansible-playbook >/dev/null || skip "ansible-playbook (ansible-core) is not installed"
setup_lan
NET_B="${NET}b"
trap '"$NETNS_LAN" down "$NET_B" 2>/dev/null; cleanup' EXIT
# Numbered as the packages are, in the three parts that ansible-galaxy requires; its modules'
# documentation as ansible-doc reads it.
VERSION=$(sed -n 's/^set(LANSET_VERSION \([0-9.]*\))$/\1/p' "$CONTRIB/../../cmake/versions.cmake")
[[ $VERSION == *.*.* ]] || VERSION=$VERSION.0
{ ansible-galaxy collection build "$CONTRIB" --output-path "$WORK" &&
  ansible-galaxy collection install "$WORK/tarnwick-lanset-$VERSION.tar.gz" -p "$WORK/collections" &&
  ANSIBLE_COLLECTIONS_PATH=$WORK/collections \
    ansible-doc tarnwick.lanset.lanset_apply tarnwick.lanset.lanset_find; } >"$WORK/galaxy.log" 2>&1 ||
  { echo "FAIL: collection $VERSION not built, installed and documented:"; cat "$WORK/galaxy.log"; exit 1; }
"$NETNS_LAN" up "$NET_B" 10.213.5 || { echo "FAIL: no second LAN"; exit 1; }
start_sim --boards 3
rm -f "$WORK/ready-b"
ip netns exec "$NET_B-brd" "$BOARDSIM" --boards 2 --first-mac 025a0b000001 --log "$WORK/sim-b.log" \
  --id-pattern $'\e]0;owned\a\e[2J#' --first-ip 10.213.5.101 --gateway 10.213.5.1 \
  --ready-file "$WORK/ready-b" 2>>"$WORK/sim.err" &
SIM_B=$!
trap 'kill $SIM_B 2>/dev/null; wait $SIM_B 2>/dev/null; "$NETNS_LAN" down "$NET_B" 2>/dev/null; cleanup' EXIT
for _ in $(seq 100); do [ -s "$WORK/ready-b" ] && break; sleep 0.05; done
[ -s "$WORK/ready-b" ] || { echo "FAIL: LAN B's boardsim did not start"; cat "$WORK/sim.err"; exit 1; }

printf 'id,sn,ip,subnet,gateway,dhcp\nA-1,025a00000001,,,,\nA-2,025a00000002,192.168.10.103,,,\n' >"$WORK/a.csv"
printf 'id,sn,ip,gateway\nB-1,025a0b000001,10.213.5.61,10.213.5.254\n' >"$WORK/b.csv"
# The module runs as "ip netns exec NS python3": one playbook run reaches both LANs. LAN A's plan
# is named from the inventory's folder, and passes only by force: A-2 takes the address of a board
# left out of it.
cat >"$WORK/inventory.ini" <<INVENTORY
[lanset_hosts]
lan-a lanset_plan=a.csv lanset_force=true ansible_python_interpreter="ip netns exec $NET-lan /usr/bin/python3"
lan-b lanset_plan=$WORK/b.csv ansible_python_interpreter="ip netns exec $NET_B-lan /usr/bin/python3"
[lanset_hosts:vars]
ansible_connection=local
lanset_cli=$CLI
INVENTORY

playbook() {   # playbook "NAME..." [ansible-playbook options]: $OUT holds its output, $RC its status
  local names=() name
  for name in $1; do names+=("tarnwick.lanset.$name"); done
  ANSIBLE_COLLECTIONS_PATH=$WORK/collections ANSIBLE_LOCAL_TEMP=$WORK/ansible \
    ANSIBLE_REMOTE_TEMP=$WORK/ansible ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 timeout -k 5 180 \
    ansible-playbook -i "$WORK/inventory.ini" "${names[@]}" "${@:2}" >"$WORK/out" 2>&1
  RC=$?
  OUT=$(cat "$WORK/out")
  ERR=""
}
configures() { cat "$WORK/sim.log" "$WORK/sim-b.log" 2>/dev/null | grep -c ' configure '; }
recap() {   # recap HOST: its changed and failed counts, one playbook's after another's
  sed -n "s/^$1 *: .*changed=\([0-9]*\).*failed=\([0-9]*\).*/changed=\1 failed=\2/p" <<<"$OUT" |
    sed ':a;N;s/\n/, then /;ba'
}

playbook site --check --diff
expect_rc 0 "check mode"
expect_eq "$(recap lan-a) $(recap lan-b)" "changed=1 failed=0 changed=1 failed=0" "check mode reports changes"
expect_has "$OUT" "+ip: 192.168.10.103" "check mode diff"
expect_has "$OUT" "-id: ?]0;owned??[2J0" "a board's ID in the diff"
expect_lacks "$OUT" $'\e' "a board's ID in the diff"
expect_eq "$(configures)" 0 "check mode sends nothing"

playbook site
expect_rc 0 "apply"
expect_eq "$(recap lan-a) $(recap lan-b)" "changed=1 failed=0 changed=1 failed=0" "apply changes the boards"
expect_eq "$(configures)" 3 "apply: one request per board that differs"
expect_has "$(cat "$WORK/sim-b.log")" "mac=025a0b000001 ip=10.213.5.61 subnet=255.255.255.0 gateway=10.213.5.254" \
  "LAN B's board got its plan"

# The second apply and a check of both LANs in one run, each playbook with its own recap.
playbook "site check"
expect_rc 2 "second apply, then check"
expect_eq "$(recap lan-a)" "changed=0 failed=0, then changed=0 failed=1" "LAN A: second apply no change, check fails"
expect_eq "$(recap lan-b)" "changed=0 failed=0, then changed=0 failed=0" "LAN B: second apply no change, check passes"
expect_eq "$(configures)" 3 "second apply and check send nothing"
expect_has "$OUT" "025a00000001: ip 192.168.10.101 is outside 10.213.0.0/24" "check names LAN A's problems"
expect_has "$OUT" '"msg": "2 boards, none with a problem"' "check: LAN B's boards as facts"
finish
