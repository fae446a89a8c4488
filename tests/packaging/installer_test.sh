#!/usr/bin/env bash
# The installer's logic under Wine, in a fresh prefix of the test's own: a silent install into a
# folder given with /D, its files, Start-menu shortcuts, uninstall entry and firewall rule (netsh
# is a stand-in that records its command line: Wine has no firewall); an install whose rule
# command fails still succeeds; the silent uninstall removes every trace and the rule.
#
#   installer_test.sh INSTALLER NETSH_STANDIN WINE_RUN PREFIX LANSET_EXE PLUGSET_EXE
set -uo pipefail
INSTALLER=$1 STANDIN=$2 WINE_RUN=$3 PREFIX=$4 LANSET=$5 PLUGSET=$6

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

loader=$("$WINE_RUN" --loader) || { echo "FAIL: wine64 is not installed"; exit 1; }
wineserver=$(dirname "$loader")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
for f in "$INSTALLER" "$STANDIN" "$LANSET" "$PLUGSET"; do
  [ -f "$f" ] || { echo "FAIL: $f is missing"; exit 1; }
done

export LANSET_WINEPREFIX=$PREFIX WINEPREFIX=$PREFIX
"$wineserver" -k 2>/dev/null
rm -rf "$PREFIX"
mkdir -p "$PREFIX"
: >"$PREFIX.install.log"
trap '"$wineserver" -k 2>/dev/null' EXIT
# An installer may show a window even when silent: give Wine no display to find.
unset DISPLAY WAYLAND_DISPLAY
"$WINE_RUN" wineboot --init >"$PREFIX.wineboot.log" 2>&1 || { echo "FAIL: wineboot"; exit 1; }
"$wineserver" -w

# The stand-in takes netsh's place in this prefix only, loaded instead of Wine's own.
cp "$STANDIN" "$PREFIX/drive_c/windows/system32/netsh.exe"
export WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n"
export LANSET_NETSH_LOG='C:\netsh.log'
netsh_log=$PREFIX/drive_c/netsh.log

programs="$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick Lanset'

# reg_value NAME: the value of NAME under the uninstall key ("" when absent).
reg_value() {
  "$WINE_RUN" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# install [WINDOWS_DIR]: runs the installer silently (into that folder); its exit status. /D takes
# no quotes, and Wine quotes an argument with blanks: the folder given has none.
install() {
  "$WINE_RUN" "$INSTALLER" /S ${1:+"/D=$1"} >>"$PREFIX.install.log" 2>&1
  local rc=$?
  "$wineserver" -w
  return $rc
}

# uninstall UNIX_DIR: runs the folder's uninstaller silently and waits for its copy in %TEMP%.
uninstall() {
  "$WINE_RUN" "$1/uninstall.exe" /S >>"$PREFIX.install.log" 2>&1
  local rc=$?
  "$wineserver" -w
  return $rc
}

echo "== a silent install with /D"
win_dir='C:\Tools\Tarnwick'
dir=$PREFIX/drive_c/Tools/Tarnwick
install "$win_dir" || fail "the installer ended with status $?"
for f in lanset.exe plugset.exe readme.txt uninstall.exe; do
  check "$f is not installed" test -f "$dir/$f"
done
check "lanset.exe is not the built one" cmp -s "$LANSET" "$dir/lanset.exe"
check "plugset.exe is not the built one" cmp -s "$PLUGSET" "$dir/plugset.exe"
check "the read-me does not describe the firewall rule" grep -q "localport=21210" "$dir/readme.txt"
for name in "Tarnwick Lanset" "Tarnwick Plugset"; do
  check "no Start-menu shortcut \"$name\"" test -f "$programs/$name.lnk"
done
check "the lanset shortcut does not start lanset.exe" grep -aqi 'Tools\\Tarnwick\\lanset.exe' "$programs/Tarnwick Lanset.lnk"
check "the plugset shortcut does not start plugset.exe" grep -aqi 'Tools\\Tarnwick\\plugset.exe' "$programs/Tarnwick Plugset.lnk"

expect_value() {
  local got
  got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "uninstall entry $1: got \"$got\", expected \"$2\""
}
expect_value DisplayName "Tarnwick Lanset and Plugset"
expect_value DisplayVersion "1.2"
expect_value Publisher "Tarnwick"
expect_value InstallLocation "$win_dir"
expect_value UninstallString "\"$win_dir\\uninstall.exe\""
expect_value QuietUninstallString "\"$win_dir\\uninstall.exe\" /S"
expect_value DisplayIcon "$win_dir\\lanset.exe"
size=$(reg_value EstimatedSize)
# Both programs are over a megabyte each.
[ -n "$size" ] && [ $((size)) -gt 2048 ] || fail "uninstall entry EstimatedSize: \"$size\" KiB"

expected_rule="advfirewall firewall add rule name=\"Tarnwick Lanset\" dir=in action=allow program=\"$win_dir\\lanset.exe\" enable=yes profile=any protocol=UDP localport=21210"
check "no firewall rule was asked for: $(cat "$netsh_log" 2>/dev/null)" grep -qF "$expected_rule" "$netsh_log"

echo "== the silent uninstall"
uninstall "$dir" || fail "the uninstaller ended with status $?"
check "the install folder is left" test ! -e "$dir"
for name in "Tarnwick Lanset" "Tarnwick Plugset"; do
  check "the shortcut \"$name\" is left" test ! -e "$programs/$name.lnk"
done
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is left"
check "the firewall rule was not removed: $(cat "$netsh_log" 2>/dev/null)" \
  grep -qF "advfirewall firewall delete rule name=\"Tarnwick Lanset\" program=\"$win_dir\\lanset.exe\"" "$netsh_log"

echo "== an install into the default folder whose firewall rule fails"
rm -f "$netsh_log"
LANSET_NETSH_EXIT=1 install || fail "a failing rule failed the installation ($?)"
dir=$PREFIX/drive_c/Program\ Files/Tarnwick\ Lanset
check "lanset.exe is not installed after a failing rule" test -f "$dir/lanset.exe"
check "the rule was not asked for" grep -qF "add rule name=\"Tarnwick Lanset\"" "$netsh_log"
expect_value DisplayName "Tarnwick Lanset and Plugset"
LANSET_NETSH_EXIT=1 uninstall "$dir" || fail "the uninstaller ended with status $?"
check "the install folder is left after a failing rule" test ! -e "$dir"

if [ "$failures" -eq 0 ]; then echo "PASS: installer"; else echo "FAIL: installer ($failures)"; fi
[ "$failures" -eq 0 ]
