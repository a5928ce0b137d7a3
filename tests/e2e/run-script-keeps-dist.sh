#!/usr/bin/env bash
# tools/run.sh starts the program on a copy of dist/: after a run (whose first start writes the
# button labels beside the program), dist/ is byte for byte what it was, and the copy took the writes.
set -euo pipefail
cd "$(dirname "$0")/../.."
dist=build/windows/dist
snapshot() { (cd "$dist" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
before=$(snapshot)
env -u DISPLAY bash tools/run.sh >/dev/null
after=$(snapshot)
if [ "$before" != "$after" ]; then
    echo "tools/run.sh changed dist/:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    exit 1
fi
grep -q "Setting-EN" <(iconv -f UTF-16 -t UTF-8 build/windows/run/str0.ini) ||
    { echo "the run did not write its labels into build/windows/run" >&2; exit 1; }
