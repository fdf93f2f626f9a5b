# Sourced by the run and test scripts: a Wine prefix, an X display and a warm wineserver.
# Wine's background services inherit the stdout of whoever starts them; everything that may
# start one here sends its output to /dev/null, so no caller waits for them.

export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-glyphbay}"

# True when 32-bit programs (the product's i686 build) can run here.
glyphbay_has_wine32() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Prints the build that Wine runs here: the i686 product where 32-bit Wine runs, the x86-64
# build (win64) elsewhere.
glyphbay_runnable_build() {
    if glyphbay_has_wine32; then echo win32; else echo win64; fi
}

# Starts Xvfb on a free display and points DISPLAY at it.
glyphbay_start_xvfb() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    GLYPHBAY_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

# Starts a persistent wineserver and boots the prefix (the first boot takes a while).
glyphbay_start_wine() {
    mkdir -p "$WINEPREFIX"
    # Either may report a server that is already running: that is no failure here.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    wineboot -i >/dev/null 2>&1 </dev/null || true
    # Xvfb runs no window manager, and Wine waits about 2 s for one whenever it hides a managed
    # window. The in-process Win32 tests open and close a dialog per test, so their windows are
    # made unmanaged; the program and its end-to-end tests keep managed windows, as a user has.
    wine reg add 'HKCU\Software\Wine\AppDefaults\win_tests.exe\X11 Driver' \
        /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
}

glyphbay_stop_wine() {
    wineserver -k >/dev/null 2>&1 </dev/null || true
    if [ -n "${GLYPHBAY_XVFB_PID:-}" ]; then
        kill "$GLYPHBAY_XVFB_PID" 2>/dev/null || true
        GLYPHBAY_XVFB_PID=
    fi
}
