#!/usr/bin/env bash
# Fails when a portable source (core, simulated mouse, ravixctl) includes a Windows header.
set -u
root=${1:-$(dirname "$0")/..}
hits=$(grep -rnE '#\s*include\s*[<"](windows|winuser|windef|winbase|hidsdi|hidpi|setupapi|gdiplus|shellapi|commdlg|commctrl|dbt|objbase|olectl)\.h' \
    "$root/src/core" "$root/src/sim" "$root/src/cli" 2>/dev/null)
if [ -n "$hits" ]; then
    echo "Windows headers in portable code:"
    echo "$hits"
    exit 1
fi
echo "portable sources are free of Windows headers"
