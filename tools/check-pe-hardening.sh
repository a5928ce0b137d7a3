#!/usr/bin/env bash
# Checks that Windows executables keep their load-time hardening: ASLR (a relocatable image with
# DYNAMIC_BASE and a relocation table), high-entropy ASLR on 64-bit images, and DEP (NX_COMPAT).
# Run by the packaging step, so that a toolchain change cannot drop them unnoticed.
#   tools/check-pe-hardening.sh FILE.exe|FILE.dll ...
set -euo pipefail
objdump=x86_64-w64-mingw32-objdump   # reads 32-bit images too
failed=0
for file in "$@"; do
    headers=$("$objdump" -p "$file")
    wanted=(DYNAMIC_BASE NX_COMPAT)
    grep -q '^Magic[[:space:]]*020b' <<<"$headers" && wanted+=(HIGH_ENTROPY_VA)
    missing=()
    for flag in "${wanted[@]}"; do
        grep -qx "[[:space:]]*$flag" <<<"$headers" || missing+=("$flag")
    done
    # DYNAMIC_BASE without relocations cannot move the image, so ASLR would be in name only.
    "$objdump" -h "$file" | grep -q '[[:space:]]\.reloc[[:space:]]' || missing+=(".reloc section")
    if ((${#missing[@]})); then
        echo "$file: missing ${missing[*]}" >&2
        failed=1
    fi
done
exit $failed
