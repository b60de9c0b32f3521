#!/usr/bin/env bash
# Installs the SARIF multitool from npm into FOLDER (in the build tree) once.
# Usage: install_sarif_validator.sh FOLDER
set -euo pipefail
folder=$1
tool="$folder/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool"
[[ -x $tool ]] && exit 0
command -v npm >/dev/null || { echo "npm is missing: scripts/setup.sh installs it" >&2; exit 1; }
mkdir -p "$folder"
if ! npm install --prefix "$folder" --no-audit --no-fund --loglevel=error \
    @microsoft/sarif-multitool-linux@5.7.0; then
  echo "npm could not install @microsoft/sarif-multitool-linux (is the npm registry reachable?)" >&2
  exit 1
fi
chmod u+x "$tool"
