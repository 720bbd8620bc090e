# Sourced by the run and test scripts: starts a private Xvfb when there is no
# display and stops it on exit.
start_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    for number in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        LUMO_XVFB_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$number" ] && return 0
            sleep 0.1
        done
        kill "$LUMO_XVFB_PID" 2>/dev/null || true
        unset DISPLAY
    done
    echo "cannot start Xvfb" >&2
    return 1
}

stop_display() {
    if [ -n "${LUMO_XVFB_PID:-}" ]; then
        kill "$LUMO_XVFB_PID" 2>/dev/null || true
        wait "$LUMO_XVFB_PID" 2>/dev/null || true
    fi
}
