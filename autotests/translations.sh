#!/usr/bin/env bash
# Builds every translation and fails when lrelease finds a text unfinished or not translated at
# all: the learner would meet it in English.
set -uo pipefail
lrelease=$1
shift
if [ ! -x "$lrelease" ]; then
    echo "SKIP: lrelease is not installed (Debian package qt6-l10n-tools)"
    exit 0
fi
qm=$(mktemp)
trap 'rm -f "$qm"' EXIT
failed=0
for ts in "$@"; do
    report=$("$lrelease" "$ts" -qm "$qm" 2>&1)
    if [ $? -ne 0 ] || grep -Eq '[1-9][0-9]* unfinished|Ignored [0-9]+ untranslated' <<<"$report"; then
        echo "$report"
        failed=1
    fi
done
exit $failed
