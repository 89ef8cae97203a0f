#!/usr/bin/env bash
# Builds the Debian package from a built tree, in a folder of its own, and checks that it holds
# exactly the installed program, its desktop files, manual page and Debian documents, with
# dependencies found by dpkg-shlibdeps, and that lintian (when installed) finds nothing to warn of.
# Arguments: the build tree, the application id, 1 when the program was built with Debian's
# hardening, and the chart module's folder under the prefix.
set -uo pipefail
build=$1
id=$2
hardened=${3:-0}
moduledir=${4:-lib/orlendra/modules}

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages cmake, dpkg and dpkg-dev)"
        exit 0
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/*.deb)
deb=${debs[0]}
echo "Built $(basename "$deb")"

expected="./usr/bin/Orlendra
./usr/$moduledir/liborlendra_printing.so
./usr/$moduledir/liborlendra_scorechart.so
./usr/share/applications/$id.desktop
./usr/share/doc/orlendra/changelog.gz
./usr/share/doc/orlendra/copyright
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/man/man1/Orlendra.1.gz
./usr/share/metainfo/$id.metainfo.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort)
failed=0
if [ "$files" != "$expected" ]; then
    echo "The package holds:"
    echo "$files"
    echo "but should hold exactly:"
    echo "$expected"
    failed=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6-sqlite libqt6charts6 \
    libqt6printsupport6; do
    if [[ $depends != *"$library "* ]]; then
        echo "The dependencies do not name $library"
        failed=1
    fi
done

if command -v lintian >/dev/null; then
    # Besides errors and warnings, two of its notes: the binary is to be stripped bare, and a
    # hardened build must show it.
    notes='binary-has-unneeded-section'
    [ "$hardened" = 1 ] && notes+='|hardening-'
    report=$(lintian --display-info "$deb" 2>&1)
    status=$?
    if [ $status -ne 0 ] || grep -Eq "^[EW]: |^I: [^ ]+ ($notes)" <<<"$report"; then
        echo "lintian:"
        echo "$report"
        failed=1
    fi
else
    echo "lintian is not installed (Debian package lintian): the package went unchecked by it"
fi
exit $failed
