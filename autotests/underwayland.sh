#!/usr/bin/env bash
# Runs a test program (the arguments) on Wayland, in a Weston of its own. Weston's headless back
# end offers no seat, so no window there ever gets the keyboard; its X11 back end on a virtual X
# server takes that server's keyboard and pointer for its seat.
for tool in weston xvfb-run; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (Debian packages weston, xvfb)"; exit 0; }
done
[ -n "${ORLENDRA_IN_XVFB:-}" ] || ORLENDRA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1400x1100x24" bash "$0" "$@"
export XDG_RUNTIME_DIR=$(mktemp -d) WAYLAND_DISPLAY=orlendra-test
chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --width=1280 --height=1024 --socket=$WAYLAND_DISPLAY --idle-time=0 \
    --no-config --log="$XDG_RUNTIME_DIR/weston.log" &
trap 'kill $!; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$XDG_RUNTIME_DIR/weston.log"; exit 1; }
# Not X: the program must not fall back to the virtual X server's display.
QT_QPA_PLATFORM=wayland DISPLAY= "$@"
