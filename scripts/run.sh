#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts ROVA 2004 with the given
# arguments (e.g. --data-folder DIR). Unless a folder is chosen, the program
# works in its private data folder (${XDG_DATA_HOME:-~/.local/share}/rova2004) and
# gives a fresh installation an empty user.dat and password.dat there.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
run.sh: no display to show ROVA 2004 on (neither DISPLAY nor WAYLAND_DISPLAY is set).
ROVA 2004 is a desktop program: start it from a graphical session, or give it a
virtual screen, for example:
    Xvfb :99 -screen 0 1024x768x24 &
    DISPLAY=:99 bash scripts/run.sh
MSG
  exit 2
fi

bash scripts/build.sh
exec "$(pwd)/build/default/src/app/rova2004" "$@"
