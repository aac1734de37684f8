#!/usr/bin/env bash
# Sets up, builds and starts korusim, the simulated KORU computer, in the background, then Tarvo
# against it, connected as controller. Arguments are passed to korusim (see its --help).
# Closing Tarvo (or Ctrl-C) stops korusim.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default >/dev/null
# Only the two programs it starts: the tests are built by scripts/test.sh.
cmake --build --preset default --target Tarvo korusim

build/default/tools/korusim/korusim "$@" &
korusim=$!
# A background process of a script ignores Ctrl-C, so korusim is stopped here whatever ends
# the script.
stop_korusim()
{
    kill -TERM "$korusim" 2>/dev/null || true
    wait "$korusim" 2>/dev/null || true
}
trap stop_korusim EXIT
trap 'exit 130' INT TERM

tarvo=(build/default/app/Tarvo --computer 127.0.0.1 --connect)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop here: Tarvo runs on a virtual screen (xvfb-run); Ctrl-C ends it." >&2
    xvfb-run -a -s "-screen 0 1280x800x24" "${tarvo[@]}"
else
    "${tarvo[@]}"
fi
