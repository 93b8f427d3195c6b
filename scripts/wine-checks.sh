# Sourced by the test scripts that run the Windows programs under wine: their wine, a prefix of
# their own, and one line per check. A script sets work (a scratch folder) before its first check.
wine=/usr/lib/wine/wine64
passed=0
failed=0

check() {  # NAME, then a command that succeeds when the check holds
    name=$1
    shift
    if "$@" >"$work/check.log" 2>&1; then
        passed=$((passed + 1))
        echo "ok      $name"
    else
        failed=$((failed + 1))
        echo "FAILED  $name"
        sed 's/^/        /' "$work/check.log" | tail -n 20
    fi
}

# A private wine prefix (PREFIX), made by a first quiet run of EXE, and one wineserver kept
# running for all the calls.
start_wine() {  # PREFIX EXE
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wineserver -p 600
    "$wine" "$2" --help >/dev/null 2>&1
}

# Z:\ is the root of the Unix file system under wine: the Windows path of a Unix path.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
