#!/usr/bin/env bash
# Start-up of Orvanta beside the cheapest Qt window of the same size with a line of text and a text
# box, alternated in one run: time until the window is on screen, and peak memory. Builds the
# baseline next to build/. bench/startup_trace.sh then tells where the time and memory go.
# Usage: bench/startup.sh [RUNS]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
shared=../shared
scripts/setup-debian build bench
scripts/build
cmake -S "$shared/baselines/bare-window" -B build-baseline -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-baseline >/dev/null

# Orvanta runs from a folder of its own with an empty database, never the build's one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/bin/orvanta "$work/"
build/tools/make_empty_calendar "$work/dbCalendar.mdb"

"$shared/tools/gui-startup-bench" -n "$runs" -l text-window -l orvanta \
    build-baseline/text_window "$work/orvanta"
