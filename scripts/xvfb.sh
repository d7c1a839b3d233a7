# Sourced by scripts/test and scripts/bench: start_xvfb [WxH] starts an Xvfb (1024x768 unless
# given) on the first free display from 90 and sets `display` (":N") and `xvfb_pid`; it fails
# when none starts.
start_xvfb() {
  local size=${1:-1024x768}
  display=""
  xvfb_pid=""
  for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      # -noreset: a server that resets whenever its last client leaves loses the windows of a
      # program that connects during the reset, and tests connect and leave all the time.
      Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
      xvfb_pid=$!
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        return 0
      fi
      kill "$xvfb_pid" 2>/dev/null || true
      xvfb_pid=""
    fi
  done
  return 1
}
