# Sourced by the run and test scripts: a Wine prefix of the checkout's own, a display (a virtual one
# when there is none), and a wineserver kept alive so that every Wine process starts quickly.
# Each checkout has its own prefix, and so its own wineserver: two checkouts testing at once never
# see each other's windows or named objects.
RAVIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$RAVIX_ROOT/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

RAVIX_XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        RAVIX_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        break
    done
fi

# A new prefix is ready only once every process of its set-up has ended (wineserver -w); one that
# was cut short (no kernel32.dll) is made again.
if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    for _ in 1 2; do
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
    done
fi
wineserver -p >/dev/null 2>&1 || true

# The faces the program asks for do not exist on Linux: map the Chinese ones to the installed CJK
# font (fonts-wqy-microhei) and the English one to a face Wine has, so that captions render as
# characters, not boxes. Done once per prefix; the marker names the mapping's version.
RAVIX_FONT_MARKER="$WINEPREFIX/.ravix-font-replacements-2"
if [ ! -f "$RAVIX_FONT_MARKER" ]; then
    ravix_reg="$WINEPREFIX/ravix-fonts.reg"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"宋体"="WenQuanYi Micro Hei"' '"黑体"="WenQuanYi Micro Hei"' '"新宋体"="WenQuanYi Micro Hei"' \
        '"MetroDF Velmar Edition"="Tahoma"' |
        iconv -f UTF-8 -t UTF-16 >"$ravix_reg"
    # The English face is linked to the CJK font for the Chinese characters in English texts (the
    # help panel's "Update 驱动更新"), as Windows links its own faces.
    wine regedit /S "Z:${ravix_reg//\//\\}" >/dev/null 2>&1 &&
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v 'MetroDF Velmar Edition' /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 &&
        touch "$RAVIX_FONT_MARKER"
    rm -f "$ravix_reg"
fi
# Windows are not handed to an X window manager (there is none on the virtual display): otherwise
# Wine waits two seconds for one at every hide or destroy of a top-level window.
if [ ! -f "$WINEPREFIX/.ravix-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 &&
        touch "$WINEPREFIX/.ravix-unmanaged"
fi
# Start Wine's services here, with no terminal attached: processes started later would otherwise
# hand them their own output pipes and keep those open.
wineboot >/dev/null 2>&1 || true

ravix_wine_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$RAVIX_XVFB_PID" ] && kill "$RAVIX_XVFB_PID" >/dev/null 2>&1 || true
}
