#!/usr/bin/env bash
# The dispatcher's day as a person plays it, on the real program under a virtual X server:
# orders arrive from a simulated till, two are tagged and handed to a driver who is clocked
# in on the spot, then the driver leaves and comes back. The database is read afterwards.
#
#   dispatch-e2e.sh TRELVO ORVIK-TILL [password|fingerprint] [SCREENSHOT-DIR]
set -euo pipefail

trelvo=$1
till=$2
mode=${3:-password}
shots=${4:-}

work=$(mktemp -d)
display=
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  shot failure
  exit 1
}
shot() {
  if [ -n "$shots" ]; then
    mkdir -p "$shots"
    import -display "$display" -window root "$shots/$mode-$1.png" 2>/dev/null || true
  fi
}

# A world of its own: settings, data, and the single-instance socket (in TMPDIR).
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/xdg XDG_DATA_HOME=$work/data TMPDIR=$work/tmp
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS/Tessaron" "$XDG_DATA_HOME" "$TMPDIR"
db=$work/orvik.db
connect="Provider=SQLite;Data Source=$db;"
{
  echo "[General]"
  echo "Msde-ConnectionString=\"$connect\""
  echo "Msde-Failed=0"
  [ "$mode" = fingerprint ] && echo "Fingerprint-Reader=Simulated"
} >"$XDG_CONFIG_DIRS/Tessaron/Orvik.conf"  # the machine's store, where the connection is kept

sql() { sqlite3 -batch -noheader "$db" "$@"; }

"$till" seed --connect "$connect" >/dev/null
set_setting() {  # class item value
  sql "DELETE FROM SysData WHERE Class = '$1' AND Item = '$2'; INSERT INTO SysData (Class, Item, Value) VALUES ('$1', '$2', '$3');"
}
set_setting GLOBAL APP_TRELVO_LOGTIMES 1
[ "$mode" = fingerprint ] && set_setting 1 "GEN USE FINGERPRINT" 1
# Driver 203 (password 3333) is not on shift: he is clocked in when he takes the orders.
[ "$(sql "SELECT COUNT(*) FROM Attend WHERE EmpNum = '203' AND ClockedOut = 0")" = 0 ] || fail "driver 203 already on shift"

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
[ "$display" != : ] || fail "Xvfb did not start"
export DISPLAY=$display QT_QPA_PLATFORM=xcb

"$till" orders --every 2 --count 4 --connect "$connect" >/dev/null &
pids+=($!)
"$trelvo" >"$work/trelvo.log" 2>&1 &
trelvo_pid=$!
pids+=($trelvo_pid)

# Waits for a window whose title matches, up to 20 seconds.
wait_window() {
  for _ in $(seq 100); do
    if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then sleep 0.3; return 0; fi
    kill -0 "$trelvo_pid" 2>/dev/null || fail "Trelvo ended while waiting for '$1': $(cat "$work/trelvo.log")"
    sleep 0.2
  done
  fail "no window '$1'"
}
wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  fail "window '$1' stayed open"
}
# Keys as X key codes: KP_0 90, KP_2 88, KP_4 83, KP_5 84, KP_6 85, KP_Enter 104.
keys() {
  for code in "$@"; do
    xdotool key --clearmodifiers "$code"
    sleep 0.15
  done
}
digits() {  # types digits on the keypad
  local s=$1 i
  local -A kp=([0]=90 [1]=87 [2]=88 [3]=89 [4]=83 [5]=84 [6]=85 [7]=79 [8]=80 [9]=81)
  for ((i = 0; i < ${#s}; i++)); do keys "${kp[${s:i:1}]}"; done
}

# Driver 203 identifies: his password on the keypad, or his finger touched in the demo's
# list of the scan window.
identify_driver() {
  if [ "$mode" = fingerprint ]; then
    wait_window "^Scan$"
    shot "scan-$1"
    local win row X Y WIDTH HEIGHT SCREEN
    win=$(xdotool search --onlyvisible --name "^Scan$" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$win")"
    row=$(sql "SELECT COUNT(*) FROM Employee WHERE Active <> 0 AND FingerPrint IS NOT NULL AND FingerPrint <> '' \
      AND rowid < (SELECT rowid FROM Employee WHERE EmpNum = '203')")
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 89 + 16 + 32 * row)) click 1
  else
    wait_window "Controlled Access"
    digits 3333
    shot "password-$1"
    keys 104
  fi
}

wait_window "^Invoice Allocation to Drivers"
sleep 1
xdotool key Num_Lock
# Orders keep arriving; wait until at least three are open and unassigned.
for _ in $(seq 60); do
  [ "$(sql "SELECT COUNT(*) FROM Invoices WHERE Status = 0 AND TransType = 3 AND (TimeToDrvr IS NULL OR TimeToDrvr <= 0)")" -ge 3 ] && break
  sleep 0.5
done
sleep 11  # the board's next refresh shows them
shot board

# Tag the first two orders (6 tags, 2 moves down), then assign with 4.
keys 85 88 85
shot tagged
keys 83
identify_driver assign
wait_window "Delivery Settings"
digits 15230
keys 104          # on to the float
digits 150
xdotool key Tab Down  # paid from the open till shift
shot odometer
keys 104
wait_gone "Delivery Settings"
sleep 1
shot assigned

keys 84   # the Already Assigned view
sleep 1
shot switched
keys 104  # Driver In/Out: he leaves
identify_driver leave
wait_window "Information"
shot left
keys 104
wait_gone "Information"
[ "$(sql "SELECT OnDelivery FROM Attend WHERE EmpNum = '203' AND ClockedOut = 0")" = 1 ] || fail "not on delivery after leaving"
sleep 1
keys 104  # and comes back
identify_driver return
wait_window "Information"
shot returned
keys 104
wait_gone "Information"

# What the database holds now.
shift=$(sql "SELECT InvoiceLink FROM Attend WHERE EmpNum = '203' AND ClockedOut = 0")
[ -n "$shift" ] || fail "driver 203 was not clocked in"
row=$(sql "SELECT OdoStart, ROUND(Float, 2), OnDelivery FROM Attend WHERE InvoiceLink = $shift")
[ "$row" = "15230|150.0|0" ] || fail "shift: $row"
till_shift=$(sql "SELECT MAX(SHIFTNUM) FROM TILLPOST WHERE TILLID = 1")
cash=$(sql "SELECT COUNT(*) FROM CASHUP WHERE NUMBER = $shift AND SHIFTNUM = $till_shift AND ROUND(AMOUNT, 2) = -150")
[ "$cash" = 1 ] || fail "float not paid from the till shift ($cash)"
orders=$(sql "SELECT COUNT(*) FROM Invoices WHERE DriverLink = $shift AND Driver = '203' AND TransType = 3 AND TimeToDrvr > 0 \
  AND TimeStampDriver >= TimeToDrvr - 1.0 / 86400 AND DriverReturn >= TimeStampDriver")  # stamps are whole seconds
[ "$orders" = 2 ] || fail "$orders orders assigned, left and back; expected 2: $(sql "SELECT InvoiceNum, Driver, DriverLink, TimeToDrvr, TimeStampDriver, DriverReturn FROM Invoices WHERE DriverLink = $shift")"
others=$(sql "SELECT COUNT(*) FROM Invoices WHERE Driver = '203' AND DriverLink <> $shift")
[ "$others" = 0 ] || fail "orders given to 203 elsewhere"
echo "PASS ($mode): two orders assigned to driver 203 on shift $shift, left and returned"
