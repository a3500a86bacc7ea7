#!/usr/bin/env bash
# xsession.sh CMD...: runs CMD on a private X server with a session bus and the accessibility bus,
# as a desktop would, and takes them down after. CMD sees DISPLAY and the accessibility switches.
set -u
inner=$(mktemp /tmp/tessel-xsession.XXXXXX)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
# A free display; Xvfb may be slow to come up on a busy machine, so wait for it.
for try in 1 2 3 4 5; do
  d=$(( 300 + RANDOM % 400 ))
  [ -e /tmp/.X$d-lock ] && continue
  Xvfb :$d -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  up=0
  for _ in $(seq 600); do
    DISPLAY=:$d xdpyinfo >/dev/null 2>&1 && { up=1; break; }
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.1
  done
  [ $up = 1 ] && break
  kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
done
[ "${up:-0}" = 1 ] || { echo "xsession: no X server could be started" >&2; exit 125; }
export DISPLAY=:$d QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
"$@"; rc=$?
kill $bus $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
exit $rc
INNER
HOME=${XSESSION_HOME:-$(mktemp -d /tmp/tessel-home.XXXXXX)} XDG_CONFIG_HOME= XDG_DATA_HOME= \
  dbus-run-session -- bash "$inner" "$@"
