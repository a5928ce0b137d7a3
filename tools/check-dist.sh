#!/usr/bin/env bash
# Checks that dist/ holds exactly the installable program before it is packed: the program's own
# files, and the factory files exactly as `ravixctl factory` writes them, with nothing that a run of
# the program changed or left behind. Usage: check-dist.sh RAVIXCTL.EXE DIST_DIR
set -euo pipefail
ravixctl="$1"
dist="$2"
reference=$(mktemp -d)
trap 'rm -rf "$reference"' EXIT
bash "$(dirname "$0")/wine-run.sh" "$ravixctl" factory "Z:$reference" >/dev/null

problems=()
for file in "$reference"/*; do
    name=$(basename "$file")
    cmp -s "$file" "$dist/$name" || problems+=("\"$name\" is not the factory file")
done
for entry in "$dist"/* "$dist"/.[!.]*; do
    [ -e "$entry" ] || continue
    name=$(basename "$entry")
    case "$name" in "Velmar Ravix Driver.exe" | KBHook.dll | Skins | Update) continue ;; esac
    [ -e "$reference/$name" ] || problems+=("\"$name\" is not part of the installation")
done
if ((${#problems[@]})); then
    echo "dist/ is not in its factory state:" >&2
    printf '  %s\n' "${problems[@]}" >&2
    echo "Remove $dist and build again." >&2
    exit 1
fi
