#!/usr/bin/env bash
# Fails when a portable source (core, simulated mouse, ravixctl, the Linux adapters) includes a
# Windows header or the Win32 program's own, or when a core source reaches another folder by a
# relative path, which would slip past the per-folder libraries that keep the subsystem order. Only
# ravixctl's *_win.cpp sources, which the Windows build alone compiles, may reach the Win32 adapters.
set -u
root=${1:-$(dirname "$0")/..}
hits=$(grep -rnE '#\s*include\s*[<"]((windows|winuser|windef|winbase|hidsdi|hidpi|setupapi|gdiplus|shellapi|commdlg|commctrl|dbt|objbase|olectl)\.h|win/)' \
    --exclude='*_win.cpp' "$root/src/core" "$root/src/sim" "$root/src/cli" "$root/src/linux" 2>/dev/null)
if [ -n "$hits" ]; then
    echo "Windows headers in portable code:"
    echo "$hits"
    exit 1
fi
echo "portable sources are free of Windows headers"
hits=$(grep -rnE '#\s*include\s*"\.\./' "$root/src/core" 2>/dev/null)
if [ -n "$hits" ]; then
    echo "Relative includes across core folders (include \"core/<folder>/...\"):"
    echo "$hits"
    exit 1
fi
echo "core sources include other folders only through their libraries"
