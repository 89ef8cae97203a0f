#!/usr/bin/env bash
# Runs a test program on a virtual X server, for what only a real window system can show (whose
# the clipboard is, for one).
if ! command -v xvfb-run >/dev/null; then
    echo "SKIP: xvfb-run is not installed (Debian package xvfb)"
    exit 0
fi
exec xvfb-run -a "$@"
