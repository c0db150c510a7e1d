#!/usr/bin/env bash
# Installs what is missing, builds, and opens the calculator.
# With no display, the window is served over VNC on a private virtual display, reachable from this machine only,
# with a one-time password.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
VXR_TARGET=vxr "$root/scripts/build.sh" "$root/build"
app="$root/build/src/vxr"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): serving the calculator over VNC instead."
# A free X display number and a free VNC port.
n=50
while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
port=5900
while (exec 3<>/dev/tcp/127.0.0.1/$port) 2>/dev/null; do port=$((port + 1)); done

work=$(mktemp -d)
cleanup() {
  [[ -n "${vnc_pid:-}" ]] && kill "$vnc_pid" 2>/dev/null || true
  [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The virtual display listens on no TCP port: only local clients reach it, through its socket.
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done

password=$(head -c 64 /dev/urandom | tr -dc 'A-Za-z0-9' | head -c 8)
x11vnc -storepasswd "$password" "$work/passwd" >/dev/null 2>&1
x11vnc -display ":$n" -localhost -rfbport "$port" -rfbauth "$work/passwd" -forever -shared -quiet \
  -nolookup -noxdamage >"$work/x11vnc.log" 2>&1 &
vnc_pid=$!
sleep 1

cat <<MSG
The calculator runs on a private virtual display, served by VNC on 127.0.0.1:$port (this machine only).
  Password (valid for this run only): $password
  On this machine:       vncviewer 127.0.0.1:$port
  From another machine:  ssh -L $port:127.0.0.1:$port <user>@<this machine>, then vncviewer 127.0.0.1:$port
Close the calculator (文件 > 退出) or press Ctrl+C here to stop.
MSG
DISPLAY=":$n" "$app"
