# Sourced by the screenshot scripts: starts Xvfb on a display nobody uses, with a scratch home
# of its own so that Qt programs start as on first use, and stops it (and the program in
# $app_pid, if any) on exit.
#   xvfb_session NAME WIDTHxHEIGHT TOOL...   (NAME prefixes the messages; the tools must exist)
xvfb_session() {
  local name=$1 size=$2 tool n
  shift 2
  for tool in Xvfb xdotool import "$@"; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is not installed" >&2; exit 1; }
  done
  display=""
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
  done
  [ -n "$display" ] || { echo "$name: no free X display" >&2; exit 1; }
  scratch=$(mktemp -d)
  chmod 700 "$scratch"
  xvfb_pid="" app_pid=""
  trap xvfb_session_end EXIT
  Xvfb "$display" -screen 0 "${size}x24" >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}

xvfb_session_end() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
