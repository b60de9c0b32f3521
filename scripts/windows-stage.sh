#!/usr/bin/env bash
# The stage "Windows build under Wine" of ./test: cross-builds the Qt-free
# targets and the Win32 window Scopster.exe with MinGW-w64, checks that both
# programs need no DLL beyond the system's, runs the tests under Wine in a
# fresh prefix (the window tests on an Xvfb display of their own), and
# compares scopster-scan.exe with the Linux scopster-scan byte for byte.
# Usage: scripts/windows-stage.sh LINUX_BUILD_FOLDER (one that holds bin/scopster-scan)
set -euo pipefail
cd "$(dirname "$0")/.."

linux_bin=${1:?the Linux build folder}/bin
folder=build-win
wine_log=$PWD/$folder/wine.log
scratch=$PWD/$folder/compare

export WINEPREFIX=$PWD/$folder/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

fail() {
  echo "Windows stage failed: $*" >&2
  echo "Wine's own messages are in $wine_log" >&2
  exit 1
}
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

# The toolchain is fixed when the folder is first configured.
toolchain=()
[[ -f $folder/CMakeCache.txt ]] || toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
cmake -S . -B "$folder" -G Ninja "${toolchain[@]}" \
  -DCMAKE_BUILD_TYPE=Debug -DSCOPSTER_WERROR=ON -DSCOPSTER_QT=OFF \
  -DSCOPSTER_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$folder" -j "$(nproc)"

# Both programs stand alone: every DLL they import is one Windows has.
echo "-- The DLLs Scopster.exe and scopster-scan.exe import"
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll winspool.drv "
for program in Scopster scopster-scan; do
  exe=$folder/bin/$program.exe
  [[ -f $exe ]] || fail "$exe was not built"
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
  [[ -n $imports ]] || fail "objdump found no imports in $exe"
  for dll in $imports; do
    [[ $system_dlls == *" $dll "* ]] || fail "$exe needs $dll, which Windows does not have"
  done
  echo "   $program.exe:" $imports
done
headers=$(x86_64-w64-mingw32-objdump -p "$folder/bin/Scopster.exe")
[[ $headers == *"(Windows GUI)"* ]] || fail "Scopster.exe is not a GUI program"

echo "-- A fresh Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX" "$wine_log"
wineboot -i >>"$wine_log" 2>&1 || fail "wineboot could not set up the prefix"
# RtlGetVersion is tested against the version the prefix declares.
wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win10 /f >>"$wine_log" 2>&1
wineserver -w

echo "-- Windows tests under Wine (the window tests on Xvfb with openbox)"
ctest --test-dir "$folder" --output-on-failure >>"$wine_log" 2>&1 || {
  grep -E '(Passed|Failed|\*\*\*).* sec$' "$wine_log" >&2 || true
  fail "a Windows test failed (ctest's output is in the log too)"
}
grep -E 'tests passed' "$wine_log" | tail -1

# ctest's pipes give a program no console; under a terminal Wine makes one,
# so the console test of scopster-scan runs there, and must not skip.
echo "-- scopster-scan's console settings under a terminal"
console_result=$folder/console-test.xml  # relative: under Wine an absolute Unix path wrote nothing
rm -f "$console_result"
script -qec "wine $folder/bin/cli_tests.exe --gtest_filter='ConsoleSessionTest.*' --gtest_output=xml:$console_result" \
  /dev/null >>"$wine_log" 2>&1 || fail "the console test failed"
grep -q 'result="completed"' "$console_result" 2>/dev/null && ! grep -q 'result="skipped"' "$console_result" ||
  fail "the console test did not run: Wine made no console under script(1)"
echo "   the console test ran in a console of its own"

# Runs one scanner from the repository folder; its output goes to $2.out and
# its exit status to $2.status.
scan() {
  local program=$1 result=$2 project=$3 status=0
  "${program[@]}" "$project" >"$result.out" 2>>"$wine_log" || status=$?
  echo "$status" >"$result.status"
}
compare() {
  local name=$1 project=$2
  scan "$linux_bin/scopster-scan" "$scratch/$name.linux" "$project"
  wine "$folder/bin/scopster-scan.exe" "$project" >"$scratch/$name.windows.out" 2>>"$wine_log" &&
    echo 0 >"$scratch/$name.windows.status" || echo $? >"$scratch/$name.windows.status"
  cmp "$scratch/$name.linux.out" "$scratch/$name.windows.out" >&2 ||
    fail "scopster-scan.exe printed other bytes than scopster-scan on $project (see $scratch)"
  cmp -s "$scratch/$name.linux.status" "$scratch/$name.windows.status" ||
    fail "exit status $(cat "$scratch/$name.windows.status") on Windows, $(cat "$scratch/$name.linux.status") on Linux ($project)"
  echo "   $project: $(wc -l <"$scratch/$name.linux.out") lines, exit status $(cat "$scratch/$name.linux.status"), the same on both"
}

echo "-- scopster-scan.exe against scopster-scan"
rm -rf "$scratch" && mkdir -p "$scratch"
compare sample examples/Sample/Sample.vbp
"$linux_bin/scopster-bench-gen" --out "$scratch/generated" --files 50 --lines 20000 --declarations 600 --seed 7 >/dev/null
compare generated "$folder/compare/generated/$(cd "$scratch/generated" && ls *.vbp | head -1)"

# A wildcard in a listed file name: opening it fails on both systems, and the
# failure is logged in Scopster.log beside the executable.
mkdir -p "$scratch/failing"
printf 'Public Sub A()\r\nEnd Sub\r\n' >"$scratch/failing/a.bas"
printf 'Sub B()\r\n    A\r\nEnd Sub\r\n' >"$scratch/failing/a.bcd"
printf 'Module=a; a.bas\r\nModule=b; a.b*\r\n' >"$scratch/failing/P.vbp"
rm -f "$folder/bin/Scopster.log"
compare failing "$folder/compare/failing/P.vbp"
grep -q 'ErrNo: 52  Bad file name or number' "$folder/bin/Scopster.log" 2>/dev/null ||
  fail "scopster-scan.exe wrote no log record beside itself ($folder/bin/Scopster.log)"
echo "   the failure is logged in $folder/bin/Scopster.log"
wineserver -w
