#!/usr/bin/env bash
# Runs every benchmark of bench/ from the build folder given (default: build) and prints their
# rows as one table, under a line that says what machine it ran on.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//' || true)
memory=$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f '${Version}' libqt6core6 2>/dev/null || echo unknown)
platform=${QT_QPA_PLATFORM:-$([ -n "${DISPLAY:-}" ] && echo "xcb on $DISPLAY" || echo offscreen)}
echo "Machine: ${cpu:-unknown processor}, $(nproc) cores, $memory; $(uname -sr); Qt $qt; $platform"
echo "Ratio: VELD / baseline, both measured side by side in this run (a baseline under 1 counts as 1)."
echo
printf '| %-40s | %-13s | %-13s | %-24s | %-7s |\n' measurement VELD baseline "baseline is" ratio
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..42})" "$(printf -- '-%.0s' {1..15})" \
    "$(printf -- '-%.0s' {1..15})" "$(printf -- '-%.0s' {1..26})" "$(printf -- '-%.0s' {1..9})"
status=0
for source in bench/bench_*.cpp; do
    name=$(basename "$source" .cpp)
    # The offscreen platform's notes on what it cannot do are no news here.
    "$build/bench/$name" 2> >(grep -v -e 'does not support' -e 'XDG_RUNTIME_DIR' >&2) ||
        { echo "$name failed" >&2; status=1; }
done

# The processor rows once more on a real X server, with the accessibility bus running as a
# screen reader's user has it: an X server of its own (Xvfb) and a D-Bus session of its own.
launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null &&
    [ -x "$launcher" ]; then
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
    display=:$(head -n1 "$displayfile")
    rm -f "$displayfile"
    DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        dbus-run-session -- bash -c '
            "$1" --launch-immediately >/dev/null 2>&1 &
            sleep 1
            "$2"
            result=$?
            kill %1 2>/dev/null
            exit $result' bash "$launcher" "$build/bench/bench_idle_cpu" \
        2> >(grep -v -e 'XDG_RUNTIME_DIR' -e 'fd limit' >&2) ||
        { echo "bench_idle_cpu on $display failed" >&2; status=1; }
    kill $xvfb 2>/dev/null
    wait $xvfb 2>/dev/null || true
fi
exit $status
