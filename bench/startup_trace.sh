#!/usr/bin/env bash
# Where Orvanta's start goes, beside the cheapest Qt window of its size with text
# (../shared/baselines/bare-window's text_window):
#   1. time: each stage's median time after the launch, from the marks both programs print when
#      the start-up benchmark passes its launch time (library loading is the time to "main");
#   2. memory: after the window has been up for a second, the resident memory of each mapping
#      (each library, the heap, anonymous memory) and the peak, Orvanta's beside the text window's.
# Usage: bench/startup_trace.sh [RUNS]   (default 15; needs a build as bench/startup.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
shared=../shared
build=${ORVANTA_BUILD_DIR:-build}
baseline=${ORVANTA_BASELINE_DIR:-build-baseline}
[[ -x $build/bin/orvanta && -x $baseline/text_window ]] ||
    { echo "startup_trace.sh: run bench/startup.sh first (it builds both)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/bin/orvanta" "$work/"
"$build/tools/make_empty_calendar" "$work/dbCalendar.mdb"

# 1. Stage times: the harness keeps each run's standard error, where the marks are.
"$shared/tools/gui-startup-bench" -n "$runs" --keep-logs "$work/logs" -l text -l orvanta \
    "$baseline/text_window" "$work/orvanta" | tail -n 4
echo
echo "stage medians, ms after the launch (the harness's time to window is the map, near \"shown\")"
awk '
    FNR == 1 { split(FILENAME, p, "/"); program = p[length(p)]; sub(/-[0-9]+\.log$/, "", program) }
    $1 == "stage" { key = program SUBSEP $2; times[key] = times[key] " " $3
                    if (!((program, $2) in seen)) { seen[program, $2]; order[program] = order[program] " " $2 } }
    function median(list,   a, n, i, j, t) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END {
        for (program in order) {
            printf "%s:\n", program
            n = split(order[program], stages, " "); last = 0
            for (i = 1; i <= n; i++) {
                m = median(times[program, stages[i]])
                printf "  %-14s %7.1f  (+%.1f)\n", stages[i], m, m - last; last = m
            }
        }
    }' "$work"/logs/*.log

# 2. Memory per mapping, each program alone on a display of its own, its window up for a second.
display=""
for n in 90 91 92 93 94 95 96 97 98 99; do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
[[ -n $display ]] || { echo "startup_trace.sh: no free display :90-:99" >&2; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

resident() { # PROGRAM OUT: the program's mappings' resident kB, a second after its first frame
    local home=$work/home-$2
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/.config DISPLAY=$display \
        GUI_STARTUP_BENCH_LAUNCH=$EPOCHREALTIME dbus-run-session -- bash -c '
        "$1" 2>"$2.err" & pid=$!
        until grep -q frame-done "$2.err" 2>/dev/null; do sleep 0.05; done
        sleep 1
        awk "/^[0-9a-f]+-/ { name = \$6 == \"\" ? \"[anon]\" : \$6; n = split(name, p, \"/\"); name = p[n] }
             /^Rss:/ { rss[name] += \$2 } END { for (m in rss) print m, rss[m] }" /proc/$pid/smaps >"$2"
        awk "/VmHWM/ { print \"(peak)\", \$2 }" /proc/$pid/status >>"$2"
        kill $pid; wait $pid 2>/dev/null || true' _ "$1" "$2" 2>/dev/null
}
resident "$baseline/text_window" "$work/text.rss"
resident "$work/orvanta" "$work/orvanta.rss"
echo
echo "resident memory, kB, a second after the first frame: where Orvanta's is above the text window's"
printf '  %-36s %8s %8s %8s\n' mapping text orvanta above
join -a1 -a2 -e0 -o0,1.2,2.2 <(sort "$work/text.rss") <(sort "$work/orvanta.rss") |
    awk '$1 != "(peak)" { d = $3 - $2; sum += d; if (d >= 16 || d <= -16) printf "  %-36s %8d %8d %8d\n", $1, $2, $3, d }
         $1 == "(peak)" { peak = sprintf("  %-36s %8d %8d %+8d", "peak (VmHWM)", $2, $3, $3 - $2) }
         END { printf "  %-36s %8s %8s %+8d\n", "all mappings", "", "", sum >"/dev/stderr"; print peak >"/dev/stderr" }' 2>"$work/totals" |
    sort -k4 -nr
cat "$work/totals"
