#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it runs on a virtual one, saves a
# screenshot of the main window and prints where it is. The program talks to the simulated mouse;
# further arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target ravix_program

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT

# The program rewrites its profile files beside itself, so it runs from a copy of dist/ in a folder of
# its own: dist/ (and the zip packed from it) keeps the factory state. The program and its skins are
# brought up to date on every run; the profiles the user changed stay.
run_dir="build/windows/run"
mkdir -p "$run_dir"
for entry in build/windows/dist/*; do
    name=$(basename "$entry")
    case "$name" in *.bin | *.ini) [ -e "$run_dir/$name" ] && continue ;; esac
    cp -a "$entry" "$run_dir/"
done
exe="$run_dir/Velmar Ravix Driver.exe"
if [ "$headless" = 0 ]; then
    wine "$exe" --simulate "$@"
    exit 0
fi

wine "$exe" --simulate "$@" &
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Velmar Ravix Driver$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "The main window did not appear." >&2
    exit 1
fi
sleep 1  # let the first paint finish
mkdir -p screenshots
shot="$PWD/screenshots/main-window.png"
import -window "$window" "$shot"
echo "Screenshot of the main window: $shot"
