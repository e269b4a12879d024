#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture of the main window after Process with
# the default inputs, and docs/readout.png, the same window with the pointer resting on the
# lower chart and its read-out shown: builds the program in release mode if needed, runs it
# on a virtual X display, clicks Process and captures the main window alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORVANTA_BUILD_TESTS=OFF
cmake --build build/release --target zorvanta -j "$(nproc)"

# shellcheck source-path=SCRIPTDIR/.. source=tests/smoke/x11_session.sh
source tests/smoke/x11_session.sh
RequireTools
StartSession || { echo "The virtual display did not start" >&2; exit 1; }
StartProgram build/release/app/zorvanta || { echo "The main window did not appear" >&2; exit 1; }

# The Process icon's centre, in the main window's client coordinates.
ClickInWindow $((14 + 21)) $((210 + 21))
# Pointer off the window, so no icon shows its hover glow in the picture.
xdotool mousemove --sync 0 0

shot=$session/window.png
for _ in $(seq 1 20); do
  sleep 0.5
  CaptureWindow "$shot"
  read -r red _ _ < <(CountChartColours "$shot" 596x261+296+0)
  ((red > 0)) && break
done
((red > 0)) || { echo "The charts were not drawn after Process" >&2; exit 1; }

# The pointer on the lower chart (Chart1 starts at 301, 284 in the client area) at about hour 5,
# until the read-out shows: the window then differs from the first picture.
xdotool mousemove --sync $((window_x + 301 + 230)) $((window_y + 284 + 120))
readout=$session/readout.png
differing=0
for _ in $(seq 1 20); do
  sleep 0.5
  CaptureWindow "$readout"
  # compare prints the count of differing pixels on stderr, and fails when there are any.
  differing=$(compare -metric AE "$shot" "$readout" null: 2>&1 >/dev/null | awk '{ print int($1) }' || true)
  ((differing > 0)) && break
done
((differing > 0)) || { echo "The read-out did not appear over the lower chart" >&2; exit 1; }

mkdir -p docs
convert "$shot" -strip -define png:compression-level=9 docs/screenshot.png
echo "Wrote docs/screenshot.png ($(stat -c %s docs/screenshot.png) bytes)"
convert "$readout" -strip -define png:compression-level=9 docs/readout.png
echo "Wrote docs/readout.png ($(stat -c %s docs/readout.png) bytes)"
