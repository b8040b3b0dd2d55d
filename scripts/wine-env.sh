# Sourced by the Wine scripts: the environment every Windows run here shares.
#   WINEPREFIX   the prefix (one per build tree), initialised once and reused
#   WINE_LOCALE  locale of the run, ru_RU.UTF-8 unless a test asks otherwise
# Wine takes the ANSI code page and decimal separator from LANG and LC_ALL
# together (code page 1251 and "," for ru_RU; with LANG alone it stays on 1252).

: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LANG="${WINE_LOCALE:-ru_RU.UTF-8}"
export LC_ALL="$LANG"

wine_bin() {
  if command -v wine64 >/dev/null 2>&1; then echo wine64
  elif [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64
  else echo wine; fi
}

# Creates the prefix the first time; later calls only check the stamp.
wine_prefix_init() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.initialised" ]; then
      "$(wine_bin)" wineboot -i >/dev/null 2>&1 || true
      wineserver -w 2>/dev/null || true
      touch "$WINEPREFIX/.initialised"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# wine_point_com COM2 /dev/pts/5: the port opens the pseudo-terminal, now and
# for later starts of this prefix.
wine_point_com() {
  local port="$1" device="$2" lower
  lower=$(echo "$port" | tr '[:upper:]' '[:lower:]')
  # The registry first: starting Wine for it lets the mount manager write its
  # own link for the port, which the link below then replaces.
  "$(wine_bin)" reg add 'HKLM\Software\Wine\Ports' /v "$port" /t REG_SZ /d "$device" /f >/dev/null 2>&1
  mkdir -p "$WINEPREFIX/dosdevices"
  ln -sfn "$device" "$WINEPREFIX/dosdevices/$lower"
}
