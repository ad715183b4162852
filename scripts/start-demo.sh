#!/usr/bin/env bash
# Installs what is needed, builds, and starts Trelvo on the embedded demo database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting Trelvo on a virtual one (Xvfb :42). Set DISPLAY to see the window." >&2
  exec xvfb-run -n 42 -s "-screen 0 1024x768x24" "$build/src/trelvo"
fi
exec "$build/src/trelvo"
