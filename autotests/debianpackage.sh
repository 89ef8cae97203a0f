#!/usr/bin/env bash
# Builds the Debian package from a built tree, in a folder of its own, and checks that it holds
# exactly the installed program and its desktop files, with dependencies found by dpkg-shlibdeps.
set -uo pipefail
build=$1

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

id=org.orlendra.Orlendra
expected="./usr/bin/Orlendra
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
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
for library in libqt6widgets6 libqt6gui6 libqt6core6; do
    if [[ $depends != *"$library "* ]]; then
        echo "The dependencies do not name $library"
        failed=1
    fi
done
exit $failed
