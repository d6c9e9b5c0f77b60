#!/usr/bin/env bash
# Checks a built package the way a shop would meet it, on a Debian 12 machine as root:
# installs it with its dependencies, starts the installed program under a virtual display as
# a user who never ran it, logs in as 店长 (password 8888), rents the disc 0002 to a walk-in
# customer (F5, scan, F12, Enter), and reads the rental back from the user's account file.
#   scripts/check-package.sh build-package/rentora_1.0.3_amd64.deb [screenshot.png]
set -euo pipefail
deb=$(realpath "$1")
shot=${2:-}
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
# Tools of this check only (not needed by the program).
apt-get install -y -qq --no-install-recommends xvfb xauth xdotool openbox sqlite3 desktop-file-utils \
  ${shot:+imagemagick} >/dev/null

fail() { echo "check-package: FAILED: $*" >&2; exit 1; }
desktop-file-validate /usr/share/applications/rentora.desktop || fail "menu entry invalid"
grep -q '^Name\[zh_CN\]=' /usr/share/applications/rentora.desktop || fail "no Chinese name"
for s in 16 32 48 128 256; do
  [ -f /usr/share/icons/hicolor/${s}x${s}/apps/rentora.png ] || fail "no ${s}px icon"
done
[ -f /usr/share/rentora/data/LumoModal.MDB ] || fail "no template"

home=$(mktemp -d)
export HOME=$home XDG_DATA_HOME= XDG_CONFIG_HOME=
data=$home/.local/share/Rentora/data
# The tips window is not part of this check: it would take the keys meant for the counter.
mkdir -p "$home/.config/Quorvale SoftWare"
printf '[General]\nNote_Flag=1\n' > "$home/.config/Quorvale SoftWare/Rentora.conf"

Xvfb :71 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:71
sleep 2
# A window manager, as on a desktop: windows get the focus and the main window its full size.
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
cd "$home"
rentora >"$home/rentora.log" 2>&1 &
app=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT

wait_for() { # window name
  for _ in $(seq 60); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.5
  done
  return 1
}
wait_for "登陆窗口" || { cat "$home/rentora.log"; fail "no login window"; }
[ -f "$data/Sample.MDB" ] || fail "the first start did not fill $data"
login=$(xdotool search --name "登陆窗口" | head -1)
xdotool windowfocus --sync "$login" 2>/dev/null || true
sleep 1
xdotool key Return; sleep 0.3
xdotool type --delay 50 8888; sleep 0.3
xdotool key Return; sleep 0.3
xdotool key Return
wait_for "Rentora" || fail "no main window after the login"
sleep 2
main=$(xdotool search --name "Rentora" | head -1)
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key F5
sleep 2
xdotool type --delay 50 0002; sleep 0.3
xdotool key Return; sleep 1
xdotool key F12; sleep 2
xdotool key Return; sleep 2
[ -n "$shot" ] && import -window root "$shot"

open=$(sqlite3 "$data/Sample.MDB" "SELECT count(*) FROM TBBusinessDetail b JOIN TBName n
  ON n.ID = b.CDNum WHERE n.CustomNum = '0002' AND b.ReDate IS NULL AND b.Ass_Number = 15")
[ "$open" = 1 ] || fail "the disc 0002 was not rented out (open lines: $open)"
echo "check-package: installed, started, logged in and rented disc 0002 in $data"
