# Sourced by the test and run scripts: a private Wine prefix in the build folder, a wineserver
# kept alive for the whole run and an Xvfb display. Call wine_env_start, and wine_env_stop at exit.
# Needs BUILD set to the build folder. ZEL_WINEPREFIX names another prefix (a second user's).

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

export WINEPREFIX="${ZEL_WINEPREFIX:-$BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:-fixme-all,err-all,warn-all}"
# No Gecko/Mono prompts, and a crash costs nothing instead of starting the debugger.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winedbg.exe=d"

_zel_xvfb_pid=""
_zel_fbdir=""

_zel_wait_server_socket() {
    # Debian's Wine keeps the server folder under a per-user random /tmp/wine-XXXXXX folder.
    local name i
    name=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for i in $(seq 1 100); do
        if compgen -G "/tmp/wine-*/$name/socket" >/dev/null || compgen -G "/tmp/.wine-$(id -u)/$name/socket" >/dev/null; then
            return 0
        fi
        sleep 0.1
    done
    echo "wine-env: the wineserver did not come up" >&2
    return 1
}

_zel_prefix_registry() {
    # No window manager under Xvfb: unmanaged windows hide without delay.
    # Korean UI font names map onto the installed Nanum fonts.
    local reg="$BUILD/zel-prefix.reg"
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Malgun Gothic"="NanumGothic"
"맑은 고딕"="NanumGothic"
"맑은고딕"="NanumGothic"
"나눔고딕"="NanumGothic"
"Meiryo"="NanumGothic"
"양재블럭체"="NanumGothic"
"Gulim"="NanumGothic"
"굴림"="NanumGothic"
"Dotum"="NanumGothic"
"돋움"="NanumGothic"
REG
    # regedit reads the file in the ANSI code page unless it is UTF-16: convert it.
    iconv -f UTF-8 -t UTF-16 "$reg" >"$reg.u16"
    "$WINE64" regedit /S "$(winepath_w "$reg.u16")" >/dev/null 2>&1 || true
}

winepath_w() { echo "Z:$(echo "$1" | sed 's#/#\\#g')"; }

_zel_start_xvfb() {
    if [ -n "${ZEL_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then unset ZEL_FRAMEBUFFER; return 0; fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        [ -e "/tmp/.X11-unix/X$n" ] && continue
        # The server keeps its frame buffer in a file (an XWD picture): what a monitor would show,
        # read by the display pictures. xwd -root cannot stand in for it: with the several visuals
        # of Xvfb it rebuilds the screen from each window's own contents and pastes a window that
        # lies wholly inside another as a black block.
        _zel_fbdir=$(mktemp -d "${TMPDIR:-/tmp}/zel-display.XXXXXX")
        Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp -fbdir "$_zel_fbdir" >/dev/null 2>&1 &
        _zel_xvfb_pid=$!
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n" ZEL_FRAMEBUFFER="$_zel_fbdir/Xvfb_screen0"; return 0; }
            kill -0 "$_zel_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        rm -rf "$_zel_fbdir"; _zel_fbdir=""
    done
    echo "wine-env: could not start Xvfb" >&2
    return 1
}

wine_env_start() {
    _zel_start_xvfb || return 1
    if [ ! -f "$WINEPREFIX/.zel-ready" ]; then
        echo "wine-env: creating the Wine prefix (once per build folder)"
        rm -rf "$WINEPREFIX"; mkdir -p "$WINEPREFIX"
        # A short-lived server of its own, so that the registry is on disk when it exits.
        "$WINE64" wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot -i failed" >&2; return 1; }
        _zel_prefix_registry
        "$WINESERVER" -w
        touch "$WINEPREFIX/.zel-ready"
    fi
    "$WINESERVER" -p || return 1
    _zel_wait_server_socket || return 1
    # Bring the prefix's services up before the first program: a wineserver without them made
    # the first test hang.
    "$WINE64" wineboot >/dev/null 2>&1 || true
}

wine_env_stop() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "$_zel_xvfb_pid" ]; then kill "$_zel_xvfb_pid" 2>/dev/null || true; wait "$_zel_xvfb_pid" 2>/dev/null || true; fi
    if [ -n "$_zel_fbdir" ]; then rm -rf "$_zel_fbdir"; _zel_fbdir=""; fi
}

# display_png <file.png>: the display as a user sees it. The private Xvfb's frame buffer; on a
# display of someone else's, one read of the root window (never xwd, see _zel_start_xvfb).
display_png() {
    if [ -n "${ZEL_FRAMEBUFFER:-}" ] && [ -s "$ZEL_FRAMEBUFFER" ]; then
        /usr/bin/convert "xwd:$ZEL_FRAMEBUFFER" "$1"
    else
        /usr/bin/import -silent -window root -display "$DISPLAY" "$1"
    fi
}
