# Sourced by ./run and ./test: makes sure the Debian packages the build and the
# tests need are installed. As root it installs what is missing; otherwise it
# prints the one command to run and stops.

scopster_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev   # Qt 6 Core, Gui, Widgets, PrintSupport, Test
  libgtest-dev   # GoogleTest
  poppler-utils  # pdftotext reads printed output in the tests
  locales        # locale sources, compiled into the build folder for the tests
  xauth xvfb     # a display for screenshots on a machine without one
  time           # peak memory in bench/run-bench
  util-linux     # setpriv: as root, the read-only settings test runs as nobody
  fp-utils       # chmcmd compiles the help into Scopster.chm
  libchm-bin     # enum_chmLib lists the compiled help in the tests
  imagemagick openbox  # screenshots of the windows under Xvfb
  fonts-dejavu-extra   # the narrow face the small dialogs are laid out for
  clang libclang-rt-14-dev  # libFuzzer for scripts/fuzz
  nodejs npm     # the SARIF validator, installed from npm into the build folder
  help2man       # the man page of scopster-scan, from its --help
  dpkg-dev       # dpkg-shlibdeps: the .deb's dependencies, computed by CPack
  desktop-file-utils appstream man-db  # checks of the installed desktop entry, metainfo, man page
  mingw-w64      # the Windows cross-build (scripts/windows-stage.sh)
  googletest     # GoogleTest sources, built for Windows in that stage
  wine wine64    # runs the Windows tests and scopster-scan.exe
  bsdutils       # script: the console test under Wine needs a terminal
)

scopster_package_installed() {
  # A nodejs built upstream brings its own npm and conflicts with Debian's.
  [[ $1 == npm ]] && command -v npm >/dev/null && return 0
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

scopster_missing_packages() {
  local package
  for package in "${scopster_packages[@]}"; do
    scopster_package_installed "$package" || printf '%s\n' "$package"
  done
}

scopster_ensure_packages() {
  local missing
  missing=$(scopster_missing_packages | tr '\n' ' ')
  [[ -z ${missing// /} ]] && return 0
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: $missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
  else
    echo "Missing packages. Run this once, then try again:" >&2
    echo "  sudo apt-get install --no-install-recommends $missing" >&2
    return 1
  fi
}
