#!/usr/bin/env bash
# Reads the desktop entry and the AppStream metadata as menus and software centres would, and
# fails on anything their validators say about them, warnings and pedantic hints included.
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
# A pedantic hint alone leaves the exit status at success, so the hints are read off the report.
report=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)
if [ $? -ne 0 ] || grep -q '^[EWIP]: ' <<<"$report"; then
    echo "$report"
    failed=1
fi
exit $failed
