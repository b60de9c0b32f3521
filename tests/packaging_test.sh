#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, unpacks it into a
# temporary root and checks what it installs: the programs run, the desktop
# entry, metainfo and man page pass their checks, and the installed program
# writes its log to the per-user data folder.
# Usage: packaging_test.sh BUILD_FOLDER SOURCE_FOLDER VERSION
set -euo pipefail
build=$1 source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/out/scopster_${version}_amd64.deb"
[[ -f $deb ]] || { ls "$work/out"; fail "no $deb"; }
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* && $depends == *libstdc++6* ]] || fail "dependencies not computed: '$depends'"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/Scopster usr/bin/scopster-scan usr/share/scopster/examples/Sample/Sample.vbp \
    usr/share/applications/example.ombry.Scopster.desktop usr/share/metainfo/example.ombry.Scopster.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/example.ombry.Scopster.svg \
    usr/share/icons/hicolor/48x48/apps/example.ombry.Scopster.png usr/share/man/man1/scopster-scan.1; do
  [[ -e $root/$file || -e $root/$file.gz ]] || fail "$file is not in the package"
done

status=0
output=$("$root/usr/bin/scopster-scan" "$source/examples/Sample/Sample.vbp" 2>/dev/null) || status=$?
[[ $status -eq 1 && $output == *"Public Sub RefreshView()"* ]] || fail "scopster-scan on the sample gave $status"

desktop-file-validate "$root/usr/share/applications/example.ombry.Scopster.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.ombry.Scopster.metainfo.xml" || fail "appstreamcli"
man_page=$(ls "$root"/usr/share/man/man1/scopster-scan.1*)
rendered=$(MANWIDTH=80 man -l "$man_page" 2>&1) || fail "man -l"
[[ $rendered == *"--line-ends"* && $rendered == *"Exit status"* ]] || { echo "$rendered"; fail "man page content"; }

# A failure is logged: an installed program logs into the user's data folder.
mkdir -p "$work/project"
printf 'Module=a; a.bas\r\n' > "$work/project/P.vbp"
# Reading /proc/self/mem from its start fails with EIO, for root too.
ln -s /proc/self/mem "$work/project/a.bas"
printf 'Module=b; b.bas\r\n' >> "$work/project/P.vbp"
printf 'Public Shared As Long\r\n' > "$work/project/b.bas"
status=0
XDG_DATA_HOME="$work/data" "$root/usr/bin/scopster-scan" "$work/project/P.vbp" >/dev/null 2>&1 || status=$?
[[ $status -eq 2 ]] || fail "the failing project gave $status"
[[ -s $work/data/Ombry/Scopster/Scopster.log ]] || fail "no log in the per-user data folder"
[[ ! -e $root/usr/bin/Scopster.log ]] || fail "the log went into bin/"
echo "package $deb: Depends: $depends"
