#!/usr/bin/env bash
# scripts/bench-targets on a machine without a display: the benchmarks that draw need a Qt platform, and the
# script must give them one itself. Stand-in benchmark programs fail as a Qt program does without one and
# otherwise report every benchmark the targets name.
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=$(python3 - "$root/scripts/bench-targets" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
print(" ".join(sorted(set(re.findall(r'"(BM_[\w/]+)"', text)))))
PY
)
# The counters the memory targets read, each reported as 1.
counters=$(python3 - "$root/scripts/bench-targets" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
print("".join(sorted({', \\"%s\\": 1' % c for c in re.findall(r'"BM_\w+", "(\w+)", [\d.]+\)', text)})))
PY
)
for program in $(grep -oE '"bench_[a-z]+"' "$root/scripts/bench-targets" | tr -d '"' | sort -u); do
    {
        echo '#!/usr/bin/env bash'
        echo 'if [ "${QT_QPA_PLATFORM:-}" != offscreen ] && [ -z "${DISPLAY:-}" ]; then'
        echo '    echo "qt.qpa.xcb: could not connect to display" >&2; exit 1'
        echo 'fi'
        echo "names=\"$names\""
        # Every benchmark takes 10 microseconds; every memory counter is 1.
        echo 'printf "{\"benchmarks\": ["; sep=""'
        echo 'for n in $names; do printf "%s{\"run_name\": \"%s\", \"run_type\": \"iteration\", \"real_time\": 10, \"cpu_time\": 10, \"time_unit\": \"us\"'"$counters"'}" "$sep" "$n"; sep=","; done'
        echo 'printf "]}\n"'
    } >"$work/$program"
    chmod +x "$work/$program"
done

if ! output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    python3 "$root/scripts/bench-targets" --bench-dir "$work" --repetitions 1 2>&1); then
    echo "bench-targets failed without a display:"
    echo "$output"
    exit 1
fi
echo "$output"
if grep -q MISSED <<<"$output"; then
    echo "a target was missed with every benchmark at 10 microseconds"
    exit 1
fi
