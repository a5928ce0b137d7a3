#!/usr/bin/env bash
# Runs one Windows program under Wine in the checkout's own prefix, for steps of the build, and
# stops the wineserver (and the virtual display) it started.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
trap ravix_wine_cleanup EXIT
wine "$@"
