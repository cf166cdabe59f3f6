# Sourced by the scripts that run Windows programs under Wine.

# The build whose programs this kernel can run: the shipped i686 one where it
# runs 32-bit programs (Wine's 32-bit loader is one), else x86_64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  runnable_preset=mingw32
else
  runnable_preset=mingw64
fi

# A virtual display of our own, on the first free number; sets DISPLAY and
# xvfb_pid (the caller ends it).
start_virtual_display() {
  local n
  for n in $(seq 90 130); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
  done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:$n
  until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
}

# Ends what a script started under ZENTIK_WINE_ROOT: the Wine servers of its
# prefixes, its virtual display (xvfb_pid), and the prefixes themselves.
end_wine_session() {
  local p
  for p in "$ZENTIK_WINE_ROOT"/en "$ZENTIK_WINE_ROOT"/ja; do
    [ -d "$p" ] && WINEPREFIX=$p wineserver -k 2>/dev/null || true
  done
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$ZENTIK_WINE_ROOT"
}
