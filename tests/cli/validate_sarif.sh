#!/usr/bin/env bash
# Validates the SARIF logs of scopster-scan with the SARIF multitool. The
# validator exits 0 even when it finds errors, so its output is read instead.
# Usage: validate_sarif.sh SCOPSTER_SCAN VALIDATOR SAMPLE_FOLDER
set -euo pipefail
scan=$1 validator=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The sample, and the sample beside a missing project and an LF-only copy,
# which add an error and warnings as tool notifications.
mkdir "$work/lf"
for file in "$sample"/*; do tr -d '\r' < "$file" > "$work/lf/$(basename "$file")"; done
cp "$sample"/Sample.vbp "$work/lf/Crlf.vbp"
status=0
"$scan" --format sarif "$sample/Sample.vbp" > "$work/sample.sarif" 2>/dev/null || status=$?
[[ $status -eq 1 ]] || { echo "scopster-scan gave $status on the sample" >&2; exit 1; }
"$scan" --format sarif "$sample/Sample.vbp" "$work/missing.vbp" "$work/lf/Crlf.vbp" \
  > "$work/mixed.sarif" 2>/dev/null || true
grep -q '"level": "error"' "$work/mixed.sarif" || { echo "no error notification" >&2; exit 1; }
grep -q '"level": "warning", "message"' "$work/mixed.sarif" || { echo "no warning notification" >&2; exit 1; }

failed=0
for log in "$work"/sample.sarif "$work"/mixed.sarif; do
  output=$("$validator" validate "$log" -o "$log.validation" 2>&1) || { echo "$output"; failed=1; }
  if grep -i 'error' <<<"$output"; then failed=1; fi
  grep -q 'Done. 1 files scanned' <<<"$output" || { echo "$output"; failed=1; }
done
exit $failed
