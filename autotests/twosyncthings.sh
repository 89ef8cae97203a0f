#!/usr/bin/env bash
# Two profiles of the program kept in step by two real Syncthing instances, which this script
# starts with homes of their own, on the loopback address only: no discovery, relays, NAT
# traversal, usage or crash reports. The argument is tst_sync, which acts as one profile.
# Each wait is bounded; every process started here is ended on the way out.
profile=$1
command -v syncthing >/dev/null || { echo "SKIP: syncthing is not installed (Debian package syncthing)"; exit 77; }
command -v curl >/dev/null || { echo "SKIP: curl is not installed"; exit 77; }
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; for s in a b; do ls -l "$work/share-$s"; tail -5 "$work/$s.log"; done; exit 1; }
port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
declare -A id listen gui
for s in a b; do
    syncthing generate --home="$work/st-$s" --no-default-folder --skip-port-probing >/dev/null 2>&1 || fail "generate $s"
    id[$s]=$(syncthing serve --home="$work/st-$s" --device-id) || fail "device id $s"
    listen[$s]=$(port); gui[$s]=$(port)
    mkdir -p "$work/share-$s"
done
# Only b dials a: two devices that dial each other at once may keep a dead connection.
for s in a b; do
    o=$([ $s = a ] && echo b || echo a)
    cat >"$work/st-$s/config.xml" <<XML
<configuration version="36">
  <folder id="orlendra" label="orlendra" path="$work/share-$s" type="sendreceive" rescanIntervalS="1" fsWatcherEnabled="true" fsWatcherDelayS="1">
    <device id="${id[$s]}"></device><device id="${id[$o]}"></device><maxConflicts>10</maxConflicts>
  </folder>
  <device id="${id[$s]}" name="$s"><address>dynamic</address></device>
  <device id="${id[$o]}" name="$o"><address>$([ $s = b ] && echo "tcp://127.0.0.1:${listen[$o]}" || echo dynamic)</address></device>
  <gui enabled="true" tls="false"><address>127.0.0.1:${gui[$s]}</address><apikey>key-$s</apikey></gui>
  <options>
    <listenAddress>tcp://127.0.0.1:${listen[$s]}</listenAddress>
    <globalAnnounceEnabled>false</globalAnnounceEnabled><localAnnounceEnabled>false</localAnnounceEnabled>
    <relaysEnabled>false</relaysEnabled><natEnabled>false</natEnabled>
    <urAccepted>-1</urAccepted><urSeen>3</urSeen><crashReportingEnabled>false</crashReportingEnabled>
    <autoUpgradeIntervalH>0</autoUpgradeIntervalH><reconnectionIntervalS>1</reconnectionIntervalS><startBrowser>false</startBrowser>
  </options>
</configuration>
XML
    STNODEFAULTFOLDER=1 STNOUPGRADE=1 syncthing serve --home="$work/st-$s" --no-browser --no-upgrade \
        --no-restart --logfile="$work/$s.log" >/dev/null 2>&1 &
    pids+=($!)
done
api() { curl -sf -X POST -H "X-API-Key: key-$1" "http://127.0.0.1:${gui[$1]}/rest/$2"; }
# Both shares hold the same journals (and `want` among them), within a minute.
settle() {
    for _ in $(seq 120); do
        if diff -r -x '.st*' "$work/share-a" "$work/share-b" >/dev/null &&
            ls "$work/share-a" | grep -q -- "${1:-.}"; then return 0; fi
        sleep 0.5
    done
    fail "the shares did not meet${1:+ with $1}"
}
# Waits until each side sees the other as connected (True) or not (False).
linked() {
    for _ in $(seq 120); do
        local both=1
        for s in a b; do
            o=$([ $s = a ] && echo b || echo a)
            curl -sf -H "X-API-Key: key-$s" "http://127.0.0.1:${gui[$s]}/rest/system/connections" |
                python3 -c "import json,sys; sys.exit(json.load(sys.stdin)['connections']['${id[$o]}']['connected'] != $1)" ||
                both=0
        done
        [ $both = 1 ] && return 0
        sleep 0.5
    done
    fail "the devices did not become connected=$1"
}
apart() {
    linked True
    api a "system/pause?device=${id[b]}"; api b "system/pause?device=${id[a]}"
    linked False
}
# Each side looks at its share first (a change not yet seen is refused for a minute), then
# the devices take up again.
meet() {
    api a "db/scan?folder=orlendra"; api b "db/scan?folder=orlendra"
    api a "system/resume?device=${id[b]}"; api b "system/resume?device=${id[a]}"
    linked True
}
run() { "$profile" --profile "$work/profile-$1" "$work/share-${1:0:1}" "${2:-$1}" "${@:3}"; }
# Both profiles report the same, and it matches the pattern.
same() {
    local ra rb
    ra=$(run a a report) rb=$(run b b report)
    [ "$ra" = "$rb" ] || fail "a: '$ra', b: '$rb'"
    case $ra in $1) echo "ok: $ra" ;; *) fail "expected '$1', got '$ra'" ;; esac
}
for _ in $(seq 120); do api a "system/ping" >/dev/null && api b "system/ping" >/dev/null && break; sleep 0.5; done

# A test on one side appears on the other.
run a a take 1 0 >/dev/null; settle orlendra-a
same "tests=1 distinct=1 due=* notice=none"
# Apart, each takes a test; together, both have both, once.
apart
run a a take 2 1 >/dev/null; run b b take 3 2 >/dev/null
meet
settle orlendra-b
same "tests=3 distinct=3 due=* notice=none"
# A copy of profile a on the second computer writes the same journal: Syncthing keeps one
# version and makes a conflict copy of the other, and no test is lost or taken twice.
cp -r "$work/profile-a" "$work/profile-b2"
apart
run a a take 4 3 >/dev/null; run b2 a take 5 4 >/dev/null
meet
settle sync-conflict
same "tests=5 distinct=5 due=* notice=none"
# Forgotten on one side, on both; a test taken after it stays.
run b b forget 10 >/dev/null; run a a take 6 11 >/dev/null; settle
same "tests=1 distinct=1 due=* notice=none"
echo "PASS"
