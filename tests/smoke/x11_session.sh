# shellcheck shell=bash
# Sourced by the smoke test and the screenshot script: a throw-away X session on Xvfb
# with the openbox window manager, the real program in it, and a few helpers to look at
# and act on its main window. Every process started here is stopped again on exit, by its
# own process id.

readonly MAIN_WINDOW_TITLE='Kelbrum - Zorvanta'

session=""
xvfb_pid=""
wm_pid=""
program_pid=""
watchdog_pid=""
window_id=""
# The main window's client area on the screen, set by StartProgram, read by the callers.
# shellcheck disable=SC2034
window_x=0 window_y=0 window_width=0 window_height=0

RequireTools() {
  local tool missing=()
  for tool in Xvfb xdpyinfo xdotool xwininfo xprop wmctrl openbox import convert od awk; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if ((${#missing[@]} > 0)); then
    echo "Missing tools: ${missing[*]}; run scripts/install-deps.sh" >&2
    exit 1
  fi
}

StopSession() {
  local pid
  for pid in "$watchdog_pid" "$program_pid" "$wm_pid" "$xvfb_pid"; do
    if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; fi
  done
  for pid in "$watchdog_pid" "$program_pid" "$wm_pid" "$xvfb_pid"; do
    if [[ -n $pid ]]; then wait "$pid" 2>/dev/null || true; fi
  done
  [[ -n $session ]] && rm -rf "$session"
  watchdog_pid="" program_pid="" wm_pid="" xvfb_pid="" session=""
}

# Starts Xvfb on a display number it picks itself, then the window manager.
StartSession() {
  session=$(mktemp -d)
  trap StopSession EXIT
  trap 'exit 130' INT TERM

  # -noreset: by default the server resets whenever its last client leaves, and a client
  # connecting during that reset is refused (our readiness probe is such a last client).
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$session/display" \
    >"$session/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # Should this script be killed outright (a test timeout), nothing it started outlives it.
  (
    while kill -0 $$ 2>/dev/null; do sleep 1; done
    kill "$xvfb_pid" 2>/dev/null
  ) >/dev/null 2>&1 &
  watchdog_pid=$!

  local _
  for _ in $(seq 1 100); do
    [[ -s $session/display ]] && break
    sleep 0.1
  done
  [[ -s $session/display ]] || { cat "$session/xvfb.log" >&2; return 1; }
  DISPLAY=":$(tr -d '[:space:]' <"$session/display")"
  export DISPLAY
  unset WAYLAND_DISPLAY
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdpyinfo >/dev/null 2>&1 || return 1

  openbox --sm-disable >"$session/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 1 100); do
    wmctrl -m >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$session/openbox.log" >&2
  return 1
}

# Starts the program and waits for its main window; sets window_id and its client geometry.
StartProgram() {
  env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_ENABLE_HIGHDPI_SCALING \
    QT_QPA_PLATFORM=xcb "$1" >"$session/program.log" 2>&1 &
  program_pid=$!
  window_id=$(timeout 30 xdotool search --sync --onlyvisible --name "^${MAIN_WINDOW_TITLE}\$" | head -n 1) ||
    return 1
  [[ -n $window_id ]] || return 1
  local info
  info=$(xwininfo -id "$window_id") || return 1
  window_x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  window_y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  # shellcheck disable=SC2034
  window_width=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
  # shellcheck disable=SC2034
  window_height=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
}

# Left click at a point given in the main window's client coordinates.
ClickInWindow() {
  xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
}

# Writes the main window's client area, as it is on screen, to a PNG file.
CaptureWindow() {
  import -window "$window_id" "png:$1"
}

# Prints how many pixels of an area (WIDTHxHEIGHT+X+Y) of an image are clearly red, blue
# and green. Lines are antialiased over white, so a colour counts by how far its own
# channel stands above the other two rather than by an exact value.
CountChartColours() {
  convert "$1" -crop "$2" +repage -alpha off -depth 8 rgb:- |
    od -An -v -tu1 -w3 |
    awk '{ r = $1; g = $2; b = $3
           if (r - (g > b ? g : b) >= 100) red++
           if (b - (r > g ? r : g) >= 100) blue++
           if (g >= 80 && g - (r > b ? r : b) >= 50) green++ }
         END { print red + 0, blue + 0, green + 0 }'
}

# Waits up to $1 seconds for the program to end by itself; returns its exit status,
# or 124 if it is still running.
WaitForProgramExit() {
  local _ status
  for _ in $(seq 1 $(($1 * 10))); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && return 124
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  return "$status"
}
