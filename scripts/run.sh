#!/usr/bin/env bash
# Sets up, builds and starts korusim, the simulated KORU computer, in the background; Tarvo will
# be started against it here once it exists. Arguments are passed to korusim (see --help).
# Ctrl-C stops korusim.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default

cat >&2 <<'TEXT'
Starting korusim, a simulated KORU computer on 127.0.0.1: groups on UDP port 5600, the control
port on TCP 5601, the logging ports on TCP 5602 and 5603.

Tarvo itself is not there yet: only its protocol library, reseal and korusim are built. Once it
exists, this command starts it against korusim. Meanwhile, watch korusim on the wire with a
packet capture on the loopback interface, for example:

    sudo tcpdump -i lo -n -X 'udp port 5600 or tcp portrange 5601-5603'
    sudo tshark -i lo -f 'udp port 5600 or tcp portrange 5601-5603' -x

(Debian packages tcpdump and tshark.) Ctrl-C stops korusim.

TEXT

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
wait "$korusim"
