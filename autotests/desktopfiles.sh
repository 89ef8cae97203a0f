#!/usr/bin/env bash
# Reads the desktop entry and the AppStream metadata as menus and software centres would, and
# fails on anything their validators say about them, warnings included.
set -uo pipefail
desktop=$1
metainfo=$2

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages desktop-file-utils and appstream)"
        exit 0
    fi
done

failed=0
report=$(desktop-file-validate "$desktop" 2>&1)
if [ $? -ne 0 ] || [ -n "$report" ]; then
    echo "desktop-file-validate $desktop:"
    echo "$report"
    failed=1
fi
if ! appstreamcli validate --no-net --no-color "$metainfo"; then
    failed=1
fi
exit $failed
