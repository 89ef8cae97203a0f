#!/usr/bin/env bash
# Builds every translation and fails when lrelease finds a text unfinished or not translated at
# all: the learner would meet it in English. lupdate then reads the sources into a copy of each
# catalogue, which must come out as it went in: a text new in the sources and missing from the
# catalogue would be shown in English, one that vanished was never cleared away.
# Arguments: lrelease lupdate include-folder catalogue.ts... -- source...
set -uo pipefail
lrelease=$1
lupdate=$2
include=$3
shift 3
catalogues=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    catalogues+=("$1")
    shift
done
shift
for tool in "$lrelease" "$lupdate"; do
    if [ ! -x "$tool" ]; then
        echo "SKIP: $tool is not installed (Debian package qt6-l10n-tools)"
        exit 0
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "${catalogues[@]}"; do
    report=$("$lrelease" "$ts" -qm "$work/out.qm" 2>&1)
    if [ $? -ne 0 ] || grep -Eq '[1-9][0-9]* unfinished|Ignored [0-9]+ untranslated' <<<"$report"; then
        echo "$report"
        failed=1
    fi
    # The options the build's update_translations target uses, so that an unchanged catalogue
    # comes back byte for byte.
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    if ! report=$("$lupdate" -no-obsolete -locations none -I "$include" "$@" -ts "$copy" 2>&1); then
        echo "$report"
        failed=1
    elif ! diff -u "$ts" "$copy"; then
        echo "$ts does not hold the texts of the sources as they are: build the target" \
             "update_translations and translate what it adds."
        failed=1
    fi
done
exit $failed
