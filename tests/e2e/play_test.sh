#!/bin/bash
# End-to-end play test: the built game runs under Wine in a real X window on
# the current DISPLAY, is played with real clicks through the X server
# (XTEST, from one long-lived xdrive process) at client coordinates, and is
# judged from screenshots compared (ImageMagick) with the very bitmaps the
# build made, and with counters drawn by the game's own routine.
#
#   play_test.sh --game tumblewit.exe --probe e2e_probe.exe --xdrive xdrive
#                --root REPO --pictures GENERATED_DIR --shots SHOT_DIR
#
# Scenarios, each with a fresh game process:
#   exit-from-title  title screen and its buttons; the exit button ends the
#                    process with code 0
#   level-one        start; the countdown runs; a miss draws no ring and moves
#                    the misses-left and score counters; every find rings its
#                    area; the fifth ring stays up through the pause; the
#                    level-cleared screen; its exit button ends with code 0
#   game-over        nine misses; the game-over screen; back to the title;
#                    a new game starts afresh; the game-over exit button
#   play-through     all thirteen levels to the final screen, with the three
#                    hints (first unfound area, the button's images, a hint
#                    that clears a level); closing the window ends with code 0
#   fast-player      bursts of finds and misses at 8 a second, every one counted
# Input the player did not mean, which must not count:
#   double-click-fifth  the fifth find double-clicked under the spot of the
#                    cleared screen's exit button: that screen stays, the
#                    finds scored once
#   pause-clicks     a click in the pause after the fifth find where the
#                    cleared screen's exit (one game) or next (another) button
#                    appears: the game goes on to that screen and stays there
#   double-click-start  the second click on start lands on level 1: not judged
#   title-bar-double-click  the caption double-clicked to maximise: the
#                    release that lands in the client area is not judged
#   maximise-restore mid-level: the counters stay in their panels, maximised
#                    (nothing in the blank below the picture) and restored
#
# Screenshots of every stage (client area only) are kept in SHOT_DIR.
set -uo pipefail

# ------------------------------------------------------------------ options
GAME="" PROBE="" XDRIVE="" ROOT="" PICTURES="" SHOTS=""
SCENARIOS="exit-from-title level-one game-over play-through fast-player double-click-fifth pause-clicks
           double-click-start title-bar-double-click maximise-restore"
while [ $# -gt 0 ]; do
    case "$1" in
        --scenario) SCENARIOS=$2; shift 2 ;;
        --game) GAME=$2; shift 2 ;;
        --probe) PROBE=$2; shift 2 ;;
        --xdrive) XDRIVE=$2; shift 2 ;;
        --root) ROOT=$2; shift 2 ;;
        --pictures) PICTURES=$2; shift 2 ;;
        --shots) SHOTS=$2; shift 2 ;;
        *) echo "play_test: unknown option $1" >&2; exit 2 ;;
    esac
done
for name in GAME PROBE XDRIVE ROOT PICTURES SHOTS; do
    [ -n "${!name}" ] || { echo "FAIL: --${name,,} is required" >&2; exit 2; }
done
for file in "$GAME" "$PROBE" "$XDRIVE" "$ROOT/scripts/wine-run.sh"; do
    [ -f "$file" ] || { echo "FAIL: missing $file (build first)" >&2; exit 1; }
done
[ -f "$PICTURES/pic1.bmp" ] || { echo "FAIL: no generated pictures in $PICTURES" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    echo "FAIL: DISPLAY is not set. This test plays the game in a real X window;" >&2
    echo "      run it through ./test.sh (which starts Xvfb) or set DISPLAY to a display." >&2
    exit 1
fi
for tool in xdotool convert compare identify xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: cannot open display $DISPLAY" >&2; exit 1; }

WINE_RUN="$ROOT/scripts/wine-run.sh"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumblewit-e2e.XXXXXX")
mkdir -p "$WORK/ref" "$SHOTS"
for SCENARIO in $SCENARIOS; do rm -f "$SHOTS/$SCENARIO"-*.png; done
RUN_TAG="tumblewit-e2e-$$-$RANDOM"
STARTED=$(date +%s)

# ------------------------------------------------------------- reporting
CHECKS=0
FAILURES=0
SCENARIO=""
pass() { CHECKS=$((CHECKS + 1)); echo "  ok   $1"; }
fail() {
    CHECKS=$((CHECKS + 1))
    FAILURES=$((FAILURES + 1))
    echo "  FAIL [$SCENARIO] $1"
    echo "       expected: $2"
    echo "       actual:   $3"
    keep "FAILED-$FAILURES"
    [ -f "$CUR" ] && echo "       screen:   $SHOTS/$SCENARIO-FAILED-$FAILURES.png"
}
# A check: check DESCRIPTION EXPECTED ACTUAL CONDITION-RESULT(0 = holds)
check() {
    if [ "$4" -eq 0 ]; then pass "$1"; else fail "$1" "$2" "$3"; fi
    return "$4"
}

# ------------------------------------------------------------ xdrive
# One process for every click and screenshot of the run: no click waits for
# a program to start.
XD_PID=""
start_xdrive() {
    coproc XD { exec "$XDRIVE"; }
    XD_PID=$XD_PID
    local ready=""
    IFS= read -r -t 10 ready <&"${XD[0]}"
    [ "$ready" = ready ] || { echo "FAIL: xdrive did not start: $ready" >&2; exit 1; }
}
stop_xdrive() {
    [ -n "$XD_PID" ] || return 0
    echo quit >&"${XD[1]}" 2>/dev/null
    kill "$XD_PID" 2>/dev/null
    wait "$XD_PID" 2>/dev/null
    XD_PID=""
}
# One command; its answer in XREPLY, and false unless it begins with "ok".
xd() {
    echo "$*" >&"${XD[1]}"
    IFS= read -r -t 30 XREPLY <&"${XD[0]}" || XREPLY="error no answer from xdrive"
    [[ $XREPLY == ok* ]]
}

# ---------------------------------------------------- the game's process
PROBE_PID=""
PROBE_OUT=""
STOP_FILE=""
CX=0 CY=0 CW=0 CH=0

# Ends the game of this run (and only it): the probe terminates the game
# when its stop file appears; whatever still carries this run's tag after
# that is killed by pid.
stop_game() {
    if [ -n "$PROBE_PID" ]; then
        touch "$STOP_FILE"
        for _ in $(seq 50); do kill -0 "$PROBE_PID" 2>/dev/null || break; sleep 0.1; done
        kill "$PROBE_PID" 2>/dev/null
        wait "$PROBE_PID" 2>/dev/null
        PROBE_PID=""
    fi
    local pid
    for pid in $(pgrep -f 'tumblewit\.exe|e2e_probe\.exe' 2>/dev/null); do
        if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "E2E_RUN_TAG=$RUN_TAG"; then
            kill "$pid" 2>/dev/null
        fi
    done
}
cleanup() {
    stop_game
    stop_xdrive
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts the game through the probe and learns where its client area is.
launch_game() {
    PROBE_OUT="$WORK/probe-$1.out"
    STOP_FILE="$WORK/stop-$1"
    rm -f "$STOP_FILE"
    E2E_RUN_TAG="$RUN_TAG" "$WINE_RUN" "$PROBE" launch "$GAME" "$STOP_FILE" 300 >"$PROBE_OUT" 2>"$WORK/probe-$1.err" &
    PROBE_PID=$!
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        if grep -q '^client ' "$PROBE_OUT" 2>/dev/null; then break; fi
        kill -0 "$PROBE_PID" 2>/dev/null || break
        sleep 0.1
    done
    local line
    line=$(tr -d '\r' <"$PROBE_OUT" | grep '^client ')
    if [ -z "$line" ]; then
        fail "the game's main window appears" "a ViewBMPWinClass window within 30 s" \
            "$(tr -d '\r' <"$PROBE_OUT" | tr '\n' ' ')$(head -c 300 "$WORK/probe-$1.err")"
        return 1
    fi
    read -r _ CX CY CW CH <<<"$line"
    local window
    window=$(tr -d '\r' <"$PROBE_OUT" | grep '^window ' | cut -d' ' -f2-)
    echo "  game window at $window (x y w h), client origin ($CX,$CY) size ${CW}x$CH"
    # Windows screen coordinates must be X root coordinates, or every click
    # lands somewhere else: the X window of that title must stand where
    # Windows says the window is.
    local xid geometry=""
    for xid in $(xdotool search --onlyvisible --name '^Tumblewit' 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry --shell "$xid" | tr '\n' ' ')
    done
    local wx wy ww wh
    read -r wx wy ww wh <<<"$window"
    [[ "$geometry" == *"X=$wx Y=$wy WIDTH=$ww HEIGHT=$wh"* ]]
    check "the X window stands where Windows puts the game window" "X=$wx Y=$wy WIDTH=$ww HEIGHT=$wh" \
        "${geometry:-no X window titled Tumblewit}" $?
    return 0
}

# Waits for the game process to end and sets EXIT_RESULT to its exit code
# (the probe's own, which passes the game's on) and the probe's last word.
EXIT_RESULT=""
wait_exit() {
    local deadline=$((SECONDS + ${1:-10}))
    while [ $SECONDS -lt $deadline ] && kill -0 "$PROBE_PID" 2>/dev/null; do sleep 0.1; done
    if kill -0 "$PROBE_PID" 2>/dev/null; then
        EXIT_RESULT="still running after ${1:-10} s"
        return
    fi
    wait "$PROBE_PID"
    local code=$?
    PROBE_PID=""
    EXIT_RESULT="$code ($(tr -d '\r' <"$PROBE_OUT" | grep -E '^(exit|stopped|timeout)' | tr '\n' ' '| sed 's/ $//'))"
}
# The game is gone with exit code 0.
expect_exit_zero() {
    wait_exit 10
    [[ "$EXIT_RESULT" == "0 (exit 0)" ]]
    check "$1 ends the process with code 0" "0 (exit 0)" "$EXIT_RESULT" $?
}

# -------------------------------------------------------------- layout
# Everything positional comes from resources/layout.h through the probe.
# (Asked up to three times: the first Wine program after the shared
# wineserver went away can fail while the server comes up again.)
LAYOUT=""
for _ in 1 2 3; do
    LAYOUT=$("$WINE_RUN" "$PROBE" layout 2>"$WORK/layout.err" | tr -d '\r')
    grep -q '^AREA_13_4=' <<<"$LAYOUT" && break
    sleep 1
done
if ! grep -q '^AREA_13_4=' <<<"$LAYOUT"; then
    echo "FAIL: the probe printed no layout: $(head -c 500 "$WORK/layout.err")" >&2
    exit 1
fi
eval "$LAYOUT"
read -r -a LEVEL_PICTURE <<<"$LEVEL_PICTURES"

# ------------------------------------------------------------- pictures
FUZZ=2%
CUR="$WORK/cur.ppm"   # uncompressed: quicker to write and read than PNG

# Pixels differing (beyond the fuzz) between two images of the same size;
# "ERR" when they cannot be compared.
ae() {
    local out
    out=$(compare -metric AE -fuzz "$FUZZ" "$1" "$2" null: 2>&1)
    if [[ "$out" =~ ^[0-9.e+]+$ ]]; then awk -v n="$out" 'BEGIN { printf "%d", n }'; else echo ERR; fi
}
# A region (x y w h) of a generated bitmap, cut once and kept.
ref() {
    local file="$WORK/ref/$1-$2-$3-$4-$5.png"
    [ -f "$file" ] || convert "$PICTURES/$1.bmp" -crop "${4}x${5}+${2}+${3}" +repage "$file"
    echo "$file"
}
# The same region of the last screenshot.
cut_shot() {
    local file="$WORK/cut-$1-$2-$3-$4.ppm"
    convert "$CUR" -crop "${3}x${4}+${1}+${2}" +repage "$file"
    echo "$file"
}
# Screenshot of the client area.
grab() { xd grab "$CX" "$CY" "$CW" "$CH" "$CUR" || echo "  (screenshot failed: $XREPLY)" >&2; }
keep() { [ -f "$CUR" ] && convert "$CUR" "$SHOTS/$SCENARIO-$1.png"; }
# Differing pixels between the screenshot region and the same region of a
# bitmap: "region_vs_picture PIC x y w h".
region_vs_picture() { ae "$(cut_shot "$2" "$3" "$4" "$5")" "$(ref "$1" "$2" "$3" "$4" "$5")"; }
# Screenshot region at x y vs a whole button bitmap.
region_vs_bitmap() {
    local size
    size=$(identify -format '%w %h' "$PICTURES/$1.bmp")
    local w=${size% *} h=${size#* }
    ae "$(cut_shot "$2" "$3" "$w" "$h")" "$(ref "$1" 0 0 "$w" "$h")"
}
# Red (255,0,0, within 8 %) pixels in a region of an image file.
red_count() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz 8% -fill black +opaque 'rgb(255,0,0)' \
        -fill white -opaque 'rgb(255,0,0)' -format '%[fx:int(mean*w*h+0.5)]' info:
}
# "r,g,b" of pixels of an image file, one "x,y" argument each.
pixels() {
    local img=$1 format="" p
    shift
    for p in "$@"; do
        format+="%[fx:int(255*p{$p}.r+0.5)],%[fx:int(255*p{$p}.g+0.5)],%[fx:int(255*p{$p}.b+0.5)] "
    done
    convert "$img" -format "$format" info:
}

# The region used to tell the screens apart: the top left of the window,
# under no button, counter, ring or label on any screen.
ID_X=0 ID_Y=0 ID_W=640 ID_H=150
ID_LIMIT=$((ID_W * ID_H / 100))   # 1 % of the region may differ
screen_ae() { region_vs_picture "$1" $ID_X $ID_Y $ID_W $ID_H; }

# Pictures that must look different where the screen is identified, or the
# test could not tell one screen from the other.
assert_pictures_differ() {
    local d
    d=$(ae "$(ref "$1" $ID_X $ID_Y $ID_W $ID_H)" "$(ref "$2" $ID_X $ID_Y $ID_W $ID_H)")
    if [ "$d" = ERR ] || [ "$d" -lt $((ID_W * ID_H / 5)) ]; then
        fail "pictures $1 and $2 can be told apart" "over 20 % of ${ID_W}x$ID_H pixels differ" "$d"
    fi
}

LAST=""
# Polls screenshots until the predicate (a function name and its
# arguments) holds or the timeout (seconds, decimals allowed) passes.
# The predicate sets LAST to what it saw.
wait_for() {
    local timeout=$1
    shift
    local deadline
    deadline=$(awk -v t="$timeout" -v now="$(date +%s.%N)" 'BEGIN { printf "%.3f", now + t }')
    while :; do
        grab
        "$@" && return 0
        awk -v d="$deadline" -v now="$(date +%s.%N)" 'BEGIN { exit !(now > d) }' && return 1
        sleep 0.05
    done
}

# ------------------------------------------------------------ predicates
is_screen() {
    LAST="$(screen_ae "$1") of $((ID_W * ID_H)) pixels differ from $1"
    local d=${LAST%% *}
    [ "$d" != ERR ] && [ "$d" -le $ID_LIMIT ]
}
# Waits for the picture of a screen; records the result as a check.
expect_screen() {
    local pic=$1 timeout=$2 what=$3
    if wait_for "$timeout" is_screen "$pic"; then
        pass "$what ($pic on screen)"
        return 0
    fi
    fail "$what" "picture $pic on screen within ${timeout}s (at most $ID_LIMIT pixels differ)" "$LAST"
    return 1
}

# "x y w h" of a button spot variable, its bitmap and the picture behind it.
button_shown() {   # VAR_PREFIX PICTURE_BEHIND
    local spot=${1} bitmap_var="${1}_BITMAP" x y w h
    read -r x y w h <<<"${!spot}"
    local bitmap=${!bitmap_var}
    local vs_bitmap vs_picture
    vs_bitmap=$(region_vs_bitmap "$bitmap" "$x" "$y")
    vs_picture=$(region_vs_picture "$2" "$x" "$y" "$w" "$h")
    LAST="$vs_bitmap of $((w * h)) pixels differ from $bitmap, $vs_picture from $2"
    [ "$vs_bitmap" != ERR ] && [ "$vs_bitmap" -le $((w * h / 50)) ] && [ "$vs_picture" -gt $((w * h / 10)) ]
}
button_absent() {   # SPOT PICTURE ["x y w h" to look at instead of the whole spot]
    local spot=${1} x y w h
    read -r x y w h <<<"${3:-${!spot}}"
    local vs_picture
    vs_picture=$(region_vs_picture "$2" "$x" "$y" "$w" "$h")
    LAST="$vs_picture of $((w * h)) pixels differ from $2 under the ${1,,}"
    [ "$vs_picture" != ERR ] && [ "$vs_picture" -le $((w * h / 100)) ]
}
expect_button() {   # SPOT PICTURE shown|absent ["x y w h" for absent]
    local spot=$1 pic=$2 want=$3
    if [ "$want" = shown ]; then
        wait_for 3 button_shown "$spot" "$pic"
        check "${spot,,} is shown over $pic" "the ${spot}_BITMAP bitmap at its spot, unlike the picture there" "$LAST" $?
    else
        button_absent "$spot" "$pic" "${4:-}"
        check "no ${spot,,} over $pic" "the picture itself at that spot" "$LAST" $?
    fi
}
# The hint button shows the given one of its four images. The images are
# not all the button's size (the button keeps the first one's) and a pressed
# button wears a focus frame, so the inside of each image (6 pixels in from
# every edge) is looked for within the button's spot; the expected image
# must fit there best of the four, and closely.
hint_image_is() {
    local x y w h
    read -r x y w h <<<"$HINT_BUTTON"
    local spot bitmap best="" best_d=999999999 want_d="" want_limit=0 report=""
    spot=$(cut_shot "$x" "$y" "$w" "$h")
    for bitmap in $HINT_BITMAPS; do
        local size bw bh out d
        size=$(identify -format '%w %h' "$PICTURES/$bitmap.bmp")
        bw=${size% *} bh=${size#* }
        out=$(compare -metric AE -fuzz "$FUZZ" -dissimilarity-threshold 1 -subimage-search "$spot" \
            "$(ref "$bitmap" 6 6 $((bw - 12)) $((bh - 12)))" null: 2>&1)
        d=${out%% *}
        [[ "$d" =~ ^[0-9.e+]+$ ]] || d=999999999
        d=$(awk -v n="$d" 'BEGIN { printf "%d", n }')
        report+="$bitmap:$d "
        [ "$d" -lt "$best_d" ] && { best=$bitmap; best_d=$d; }
        [ "$bitmap" = "$1" ] && want_d=$d && want_limit=$(((bw - 12) * (bh - 12) / 50))
    done
    LAST="pixels differing at the best placement of each image's inside: ${report}(best: $best)"
    [ "$best" = "$1" ] && [ "$want_d" -le "$want_limit" ]
}

# What the level pictures themselves hold at the areas, worked out once.
declare -A PIC_TOP PIC_RED
picture_red() {   # LEVEL K: sets PIC_RED[L-K], red pixels of the picture inside the area
    local key="$1-$2" l t r b
    if [ -z "${PIC_RED[$key]:-}" ]; then
        read -r l t r b <<<"$(area "$1" "$2")"
        PIC_RED[$key]=$(red_count "$PICTURES/${LEVEL_PICTURE[$1 - 1]}.bmp" "$l" "$t" $((r - l)) $((b - t)))
    fi
}

# Area k of level n: "left top right bottom".
area() { local v="AREA_${1}_${2}"; echo "${!v}"; }

# A ring is drawn over area k of level n: red at the top of the ellipse
# (centre column, 1 to 3 pixels below the top edge) where the picture is not
# red, and many more red pixels inside the rectangle than the picture has.
ring_drawn() {
    local l t r b
    read -r l t r b <<<"$(area "$1" "$2")"
    local cx=$(((l + r) / 2)) w=$((r - l)) h=$((b - t))
    local top_shot top_pic key="$1-$2" shot_red pic_red format="" y
    # One pass over the screenshot: the three top pixels, then the red count.
    for y in 1 2 3; do
        format+="%[fx:int(255*p{$((cx - l)),$y}.r+0.5)],%[fx:int(255*p{$((cx - l)),$y}.g+0.5)],%[fx:int(255*p{$((cx - l)),$y}.b+0.5)] "
    done
    read -r -a top_shot <<<"$(convert "$CUR" -crop "${w}x${h}+${l}+${t}" +repage -format "$format" -write info:- \
        -fuzz 8% -fill black +opaque 'rgb(255,0,0)' -fill white -opaque 'rgb(255,0,0)' \
        -format '%[fx:int(mean*w*h+0.5)]' info:-)"
    shot_red=${top_shot[3]:-0}
    top_shot="${top_shot[0]:-} ${top_shot[1]:-} ${top_shot[2]:-}"
    [ -n "${PIC_TOP[$key]:-}" ] ||
        PIC_TOP[$key]=$(pixels "$PICTURES/${LEVEL_PICTURE[$1 - 1]}.bmp" "$cx,$((t + 1))" "$cx,$((t + 2))" "$cx,$((t + 3))")
    top_pic=${PIC_TOP[$key]}
    local red_top=0 p
    for p in $top_shot; do
        IFS=, read -r pr pg pb <<<"$p"
        [ "$pr" -ge 240 ] && [ "$pg" -le 20 ] && [ "$pb" -le 20 ] && red_top=$((red_top + 1))
    done
    picture_red "$1" "$2"
    pic_red=${PIC_RED[$1-$2]}
    # The 5-pixel pen around an ellipse of that size: about 2.5 * perimeter.
    local want=$(((w + h) * 3))
    LAST="top pixels at x=$cx y=$((t + 1))..$((t + 3)): $top_shot (picture: $top_pic); red pixels in the area: $shot_red (picture: $pic_red, ring needs $pic_red+$want)"
    [ "$red_top" -ge 2 ] && [ $((shot_red - pic_red)) -ge "$want" ]
}
ring_absent() {
    local l t r b
    read -r l t r b <<<"$(area "$1" "$2")"
    local shot_red pic_red
    shot_red=$(red_count "$CUR" "$l" "$t" $((r - l)) $((b - t)))
    picture_red "$1" "$2"
    pic_red=${PIC_RED[$1-$2]}
    LAST="red pixels in area $2: $shot_red (picture: $pic_red)"
    [ $((shot_red - pic_red)) -le $(((r - l + b - t) / 4)) ]
}
expect_ring() {   # LEVEL K WHAT [TIMEOUT]
    if wait_for "${4:-3}" ring_drawn "$1" "$2"; then
        pass "$3: ring over area $2 of level $1"
        return 0
    fi
    fail "$3: ring over area $2 of level $1" "a red ellipse inscribed in $(area "$1" "$2")" "$LAST"
    return 1
}

# Counters: boxes reach from their top-left corner to the client's bottom
# right, clipped to the window's own client size (every level picture lies
# within it); the digits are centred in them.
counter_box_end() { echo "$((CW < CLIENT_WIDTH ? CW : CLIENT_WIDTH)) $((CH < CLIENT_HEIGHT ? CH : CLIENT_HEIGHT))"; }
counter_cell() {   # score|misses|timer -> x y w h around the digits
    local bx by
    case $1 in
        score) read -r bx by <<<"$SCORE_BOX_TOP_LEFT" ;;
        misses) read -r bx by <<<"$MISSES_BOX_TOP_LEFT" ;;
        timer)
            local l t r b
            read -r l t r b <<<"$TIMER_BOX"
            echo "$l $t $((r - l)) $((b - t))"
            return ;;
    esac
    local ex ey
    read -r ex ey <<<"$(counter_box_end)"
    local cx=$(((bx + ex) / 2)) cy=$(((by + ey) / 2))
    local half_w=$((COUNTER_FONT_HEIGHT * 3 / 4)) half_h=$((COUNTER_FONT_HEIGHT * 3 / 5))
    [ "$1" = score ] && half_w=$((COUNTER_FONT_HEIGHT * 5 / 4))
    echo "$((cx - half_w)) $((cy - half_h)) $((half_w * 2)) $((half_h * 2))"
}
# Keeps a counter's cell from the last screenshot under a name.
save_cell() { local x y w h; read -r x y w h <<<"$(counter_cell "$1")"; cp "$(cut_shot "$x" "$y" "$w" "$h")" "$WORK/cell-$1-$2.ppm"; }
cell_vs_saved() { local x y w h; read -r x y w h <<<"$(counter_cell "$1")"; ae "$(cut_shot "$x" "$y" "$w" "$h")" "$WORK/cell-$1-$2.ppm"; }
cell_changed() {   # COUNTER SAVED_NAME
    LAST="$(cell_vs_saved "$1" "$2") pixels differ from the saved $1 cell"
    local d=${LAST%% *}
    [ "$d" != ERR ] && [ "$d" -ge 15 ]
}
cell_same() {
    LAST="$(cell_vs_saved "$1" "$2") pixels differ from the saved $1 cell"
    local d=${LAST%% *}
    [ "$d" != ERR ] && [ "$d" -le 3 ]
}
# The cell shows black digits on the counters' grey.
cell_has_digits() {
    local x y w h
    read -r x y w h <<<"$(counter_cell "$1")"
    local grey dark
    grey=$(convert "$CUR" -crop "${w}x${h}+${x}+${y}" +repage -fuzz 1% -fill black \
        +opaque "rgb(${COUNTER_TEXT_BACKGROUND// /,})" -fill white -opaque "rgb(${COUNTER_TEXT_BACKGROUND// /,})" \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    dark=$(convert "$CUR" -crop "${w}x${h}+${x}+${y}" +repage -colorspace gray -threshold 25% -negate \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    LAST="$1 cell ${w}x$h at ($x,$y): $grey counter-grey pixels, $dark near-black pixels"
    [ "$grey" -ge $((w * h / 5)) ] && [ "$dark" -ge 15 ]
}

# A counter showing a given text, as the game's own routine draws it there:
# the probe draws it once into WORK and says where its cell lies.
declare -A COUNTER_CELL
counter_reference() {   # score|misses TEXT -> COUNTER_CELL[which-text]="x y w h file"
    local key="$1-$2" bx by
    [ -n "${COUNTER_CELL[$key]:-}" ] && return 0
    case $1 in
        score) read -r bx by <<<"$SCORE_BOX_TOP_LEFT" ;;
        misses) read -r bx by <<<"$MISSES_BOX_TOP_LEFT" ;;
    esac
    local file="$WORK/counter-$key.ppm" line ex ey
    read -r ex ey <<<"$(counter_box_end)"
    # Asked up to three times, as the layout is: now and then a Wine program
    # started beside the running game prints nothing.
    local try
    for try in 1 2 3; do
        line=$("$WINE_RUN" "$PROBE" counter "$2" "$bx" "$by" "$ex" "$ey" "$file" 2>"$WORK/counter.err" |
            tr -d '\r' | grep '^cell ')
        [ -n "$line" ] && break
        echo "  (the probe drew no $1 \"$2\", try $try: $(head -c 200 "$WORK/counter.err"))" >&2
        sleep 0.5
    done
    [ -n "$line" ] || return 1
    COUNTER_CELL[$key]="${line#cell } $file"
}
counter_shows() {   # score|misses TEXT
    local x y w h file d
    read -r x y w h file <<<"${COUNTER_CELL[$1-$2]}"
    d=$(ae "$(cut_shot "$x" "$y" "$w" "$h")" "$file")
    LAST="the $1 cell at ($x,$y) ${w}x$h: $d pixels differ from \"$2\" as the game draws it"
    [ "$d" != ERR ] && [ "$d" -le 3 ]
}
expect_counter() {   # score|misses TEXT WHAT
    if ! counter_reference "$1" "$2"; then
        fail "$3" "the probe draws the $1 \"$2\"" "no cell from the probe"
        return 1
    fi
    wait_for 3 counter_shows "$1" "$2"
    check "$3: the $1 shows $2" "the $1 cell as the game draws \"$2\"" "$LAST" $?
}

# A point of the altered scene at least 8 pixels from every area of the
# level: a sure miss. The INDEX-th such point (0 first) gives another spot.
miss_point() {
    local level=$1 skip=${2:-0} sl st sr sb x y k l t r b clear
    read -r sl st sr sb <<<"$ALTERED_SCENE"
    for ((y = st + 20; y < sb - 10; y += 10)); do
        for ((x = sl + 20; x < sr - 10; x += 10)); do
            clear=1
            for ((k = 0; k < AREAS_PER_LEVEL; k++)); do
                read -r l t r b <<<"$(area "$level" "$k")"
                if [ $x -gt $((l - 8)) ] && [ $x -lt $((r + 8)) ] && [ $y -gt $((t - 8)) ] && [ $y -lt $((b + 8)) ]; then
                    clear=0
                    break
                fi
            done
            if [ $clear = 1 ]; then
                [ "$skip" -eq 0 ] && { echo "$x $y"; return 0; }
                skip=$((skip - 1))
            fi
        done
    done
    return 1
}

# ----------------------------------------------------------------- input
click() {   # client x, y
    xd click $((CX + $1)) $((CY + $2)) || echo "  (click failed: $XREPLY)" >&2
}
click_area() {   # level k: the centre of the area, strictly inside
    local l t r b
    read -r l t r b <<<"$(area "$1" "$2")"
    click $(((l + r) / 2)) $(((t + b) / 2))
}
button_centre() { local x y w h; read -r x y w h <<<"${!1}"; echo "$((x + w / 2)) $((y + h / 2))"; }
click_button() {   # SPOT variable: its centre
    local x y
    read -r x y <<<"$(button_centre "$1")"
    click "$x" "$y"
}

# Finds areas of a level by clicking, waiting for each ring before the next
# click (a click is judged by the next paint; a second click before that
# would replace it). The last of five may be followed by the cleared screen
# at once, so its ring is not waited for unless asked.
find_areas() {   # LEVEL K...
    local level=$1 k
    shift
    for k in "$@"; do
        click_area "$level" "$k"
        expect_ring "$level" "$k" "find" || return 1
    done
}

# ----------------------------------------------------------- scenarios
scenario_exit_from_title() {
    launch_game title || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen after start-up" || return 1
    keep 01-title
    expect_button START_BUTTON "$TITLE_PICTURE" shown
    expect_button TITLE_EXIT_BUTTON "$TITLE_PICTURE" shown
    expect_button NEXT_BUTTON "$TITLE_PICTURE" absent
    expect_button HINT_BUTTON "$TITLE_PICTURE" absent
    click_button TITLE_EXIT_BUTTON
    expect_exit_zero "the title's exit button"
}

scenario_level_one() {
    launch_game level1 || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    click_button START_BUTTON
    expect_screen "${LEVEL_PICTURE[0]}" 5 "start opens level 1" || return 1
    keep 02-level1-start
    expect_button HINT_BUTTON "${LEVEL_PICTURE[0]}" shown
    expect_button START_BUTTON "${LEVEL_PICTURE[0]}" absent
    # The counters are drawn over the lower part of the title exit spot.
    local ex ey ew eh
    read -r ex ey ew eh <<<"$TITLE_EXIT_BUTTON"
    expect_button TITLE_EXIT_BUTTON "${LEVEL_PICTURE[0]}" absent "$ex $ey $ew 40"
    local counter
    for counter in score misses timer; do
        wait_for 3 cell_has_digits "$counter"
        check "the $counter counter shows digits" "black digits on rgb($COUNTER_TEXT_BACKGROUND)" "$LAST" $?
    done
    keep 03-level1-counters

    # The countdown moves on its own.
    save_cell timer t0
    wait_for 3 cell_changed timer t0
    check "the seconds-left counter counts down" "the timer cell changes within 3 s" "$LAST" $?

    # A miss: no ring anywhere, one miss fewer, ten points fewer.
    local mx my l t r b
    read -r mx my <<<"$(miss_point 1)"
    [ -n "$mx" ] || { fail "a miss point exists in level 1" "a point away from all areas" "none"; return 1; }
    save_cell misses m9
    save_cell score s100
    local before_red
    read -r l t r b <<<"$ALTERED_SCENE"
    before_red=$(red_count "$CUR" "$l" "$t" $((r - l)) $((b - t)))
    click "$mx" "$my"
    wait_for 3 cell_changed misses m9
    check "a miss at ($mx,$my) lowers the misses-left digit" "the misses cell changes" "$LAST" $?
    wait_for 2 cell_changed score s100
    check "a miss changes the score" "the score cell changes" "$LAST" $?
    keep 04-level1-after-miss
    local after_red
    after_red=$(red_count "$CUR" "$l" "$t" $((r - l)) $((b - t)))
    [ $((after_red - before_red)) -le 5 ]
    check "a miss draws no ring" "no new red pixels in the altered scene" \
        "red pixels in the scene before: $before_red, after: $after_red" $?
    local k
    for ((k = 0; k < AREAS_PER_LEVEL; k++)); do
        ring_absent 1 $k
        check "after the miss, area $k of level 1 has no ring" "about the picture's own red" "$LAST" $?
    done
    save_cell misses m8

    # Finds: each rings its own area and leaves the others alone.
    save_cell score s90
    find_areas 1 0 || return 1
    keep 05-level1-first-find
    wait_for 2 cell_changed score s90
    check "a find changes the score" "the score cell changes" "$LAST" $?
    cell_same misses m8
    check "a find leaves the misses-left digit alone" "the misses cell as after the miss" "$LAST" $?
    for k in 1 2 3 4; do
        ring_absent 1 $k
        check "area $k of level 1 is not ringed yet" "about the picture's own red" "$LAST" $?
    done
    find_areas 1 1 2 3 || return 1
    # The fifth ring stays up during the second's pause before the cleared screen.
    click_area 1 4
    if expect_ring 1 4 "fifth find, shown during the second's pause" 1.5; then
        keep 06-level1-fifth-ring
        for k in 0 1 2 3; do
            ring_drawn 1 $k
            check "with the fifth ring, area $k's ring is still there" "a ring" "$LAST" $?
        done
    fi

    expect_screen "$CLEARED_PICTURE" 5 "five finds clear level 1" || return 1
    keep 07-level1-cleared
    expect_button NEXT_BUTTON "$CLEARED_PICTURE" shown
    expect_button LEVEL_EXIT_BUTTON "$CLEARED_PICTURE" shown
    # The hint spot reaches down over the next button: look above it.
    local hx hy hw hh nx ny
    read -r hx hy hw hh <<<"$HINT_BUTTON"
    read -r nx ny _ <<<"$NEXT_BUTTON"
    expect_button HINT_BUTTON "$CLEARED_PICTURE" absent "$hx $hy $hw $((ny - hy))"
    click_button LEVEL_EXIT_BUTTON
    expect_exit_zero "the level-cleared exit button"
}

scenario_game_over() {
    launch_game gameover || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    click_button START_BUTTON
    expect_screen "${LEVEL_PICTURE[0]}" 5 "start opens level 1" || return 1
    wait_for 3 cell_has_digits misses && wait_for 3 cell_has_digits score
    check "the counters are drawn at the start" "digits in the misses and score cells" "$LAST" $? || return 1
    save_cell misses fresh
    save_cell score fresh
    local mx my n
    read -r mx my <<<"$(miss_point 1)"
    for n in 1 2 3 4 5 6 7 8 9; do
        save_cell misses before
        click "$mx" "$my"
        if [ $n -lt 9 ]; then
            wait_for 3 cell_changed misses before
            check "miss $n lowers the misses-left digit" "the misses cell changes" "$LAST" $? || return 1
        fi
    done
    expect_screen "$GAME_OVER_PICTURE" 5 "nine misses end the game" || return 1
    keep 08-game-over
    expect_button BACK_BUTTON "$GAME_OVER_PICTURE" shown
    expect_button GAME_OVER_EXIT_BUTTON "$GAME_OVER_PICTURE" shown
    expect_button HINT_BUTTON "$GAME_OVER_PICTURE" absent
    expect_button NEXT_BUTTON "$GAME_OVER_PICTURE" absent

    click_button BACK_BUTTON
    expect_screen "$TITLE_PICTURE" 5 "back returns to the title" || return 1
    keep 09-back-to-title
    expect_button START_BUTTON "$TITLE_PICTURE" shown
    expect_button TITLE_EXIT_BUTTON "$TITLE_PICTURE" shown
    # The game-over buttons are gone from under the title picture.
    expect_button BACK_BUTTON "$TITLE_PICTURE" absent
    expect_button GAME_OVER_EXIT_BUTTON "$TITLE_PICTURE" absent

    # A new game starts afresh: all nine misses, the first score, level 1.
    click_button START_BUTTON
    expect_screen "${LEVEL_PICTURE[0]}" 5 "a new game opens level 1" || return 1
    wait_for 2 cell_same misses fresh
    check "a new game has all nine misses again" "the misses cell of the first game's start" "$LAST" $?
    wait_for 2 cell_same score fresh
    check "a new game has the first score again" "the score cell of the first game's start" "$LAST" $?
    keep 10-new-game
    # And plays: one find rings.
    find_areas 1 2 || return 1

    # Out again by nine misses (a find costs none), then the game-over
    # screen's own exit button.
    for n in 1 2 3 4 5 6 7 8 9; do
        save_cell misses before
        click "$mx" "$my"
        [ $n -lt 9 ] && { wait_for 3 cell_changed misses before || { fail "miss $n of the second game counts" "the misses cell changes" "$LAST"; return 1; }; }
    done
    expect_screen "$GAME_OVER_PICTURE" 5 "nine misses end the second game" || return 1
    expect_button GAME_OVER_EXIT_BUTTON "$GAME_OVER_PICTURE" shown
    click_button GAME_OVER_EXIT_BUTTON
    expect_exit_zero "the game-over exit button"
}

scenario_play_through() {
    launch_game all || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    click_button START_BUTTON
    local level k
    for ((level = 1; level <= LEVEL_COUNT; level++)); do
        local pic=${LEVEL_PICTURE[$level - 1]}
        expect_screen "$pic" 5 "level $level is shown" || return 1
        case $level in
            2)
                # A hint rings the first unfound area; the button shows what is left.
                wait_for 3 hint_image_is bh_1
                check "level 2 begins with three hints on the button" "bh_1 in the hint button" "$LAST" $?
                click_button HINT_BUTTON
                expect_ring 2 0 "first hint"
                wait_for 3 hint_image_is bh_2
                check "after one hint the button shows bh_2" "bh_2 in the hint button" "$LAST" $?
                keep 11-level2-first-hint
                find_areas 2 2 || return 1
                click_button HINT_BUTTON
                expect_ring 2 1 "second hint (area 0 found, area 1 the first unfound)"
                ring_absent 2 3
                check "the second hint leaves area 3 alone" "no ring over area 3" "$LAST" $?
                wait_for 3 hint_image_is bh_3
                check "after two hints the button shows bh_3" "bh_3 in the hint button" "$LAST" $?
                keep 12-level2-second-hint
                find_areas 2 3 || return 1
                click_area 2 4
                ;;
            3)
                # The last hint finds the fifth area: the level is cleared.
                wait_for 3 hint_image_is bh_3
                check "the hint button carries over to level 3 (bh_3)" "bh_3 in the hint button" "$LAST" $?
                find_areas 3 0 1 2 3 || return 1
                click_button HINT_BUTTON
                ;;
            *)
                find_areas "$level" 0 1 2 3 || return 1
                [ "$level" = 4 ] && {
                    wait_for 3 hint_image_is bh_4
                    check "with no hints left the button shows bh_4" "bh_4 in the hint button" "$LAST" $?
                    keep 13-level4-no-hints
                }
                click_area "$level" 4
                ;;
        esac
        if [ "$level" -lt "$LEVEL_COUNT" ]; then
            expect_screen "$CLEARED_PICTURE" 6 "level $level cleared" || return 1
            wait_for 3 button_shown NEXT_BUTTON "$CLEARED_PICTURE" || {
                fail "the next button after level $level" "bn_1 at the next spot" "$LAST"
                return 1
            }
            [ "$level" = 3 ] && keep 14-level3-cleared-by-hint
            click_button NEXT_BUTTON
        fi
    done
    expect_screen "$FINAL_PICTURE" 6 "level 13's fifth find shows the final picture" || return 1
    keep 15-final
    expect_button NEXT_BUTTON "$FINAL_PICTURE" absent
    expect_button LEVEL_EXIT_BUTTON "$FINAL_PICTURE" absent
    expect_button HINT_BUTTON "$FINAL_PICTURE" absent
    # Nothing left to play: close the window as a player would.
    xd key alt+F4
    expect_exit_zero "closing the final screen (Alt+F4)"
}

# Clicks GAP milliseconds apart (release to release), given as client
# "x y" pairs.
clicks_apart() {   # GAP "x y"...
    local gap=$1 points=() p
    shift
    for p in "$@"; do
        local x y
        read -r x y <<<"$p"
        points+=($((CX + x)) $((CY + y)))
    done
    xd clicks "$gap" "${points[@]}" || echo "  (clicks failed: $XREPLY)" >&2
}
# A burst: clicks 125 ms apart (8 a second).
burst() { clicks_apart 125 "$@"; }
area_centre() { local l t r b; read -r l t r b <<<"$(area "$1" "$2")"; echo "$(((l + r) / 2)) $(((t + b) / 2))"; }

scenario_fast_player() {
    launch_game fast || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    # The counters each burst must leave, drawn before the clock runs.
    local want
    for want in "misses 6" "misses 4" "misses 2" "score 110" "score 140" "score 160"; do
        counter_reference $want || { fail "the probe draws the counter $want" "a cell" "none"; return 1; }
    done
    click_button START_BUTTON
    local level k
    # Each burst begins the moment its level shows: finds (f) and misses
    # (m) at 8 a second, every one on its own spot; then the counters.
    local -a plans=("f0 m f1 f2 m f3 m" "f0 m f1 m f2 f3" "f0 m f1 m f2")
    local -a misses=(6 4 2) scores=(110 140 160)
    for level in 1 2 3; do
        expect_screen "${LEVEL_PICTURE[$level - 1]}" 5 "level $level is shown" || return 1
        local points=() step n_miss=0 found=()
        for step in ${plans[$level - 1]}; do
            if [ "$step" = m ]; then
                points+=("$(miss_point "$level" $((n_miss * 3)))")
                n_miss=$((n_miss + 1))
            else
                points+=("$(area_centre "$level" "${step#f}")")
                found+=("${step#f}")
            fi
        done
        burst "${points[@]}"
        for k in "${found[@]}"; do
            expect_ring "$level" "$k" "burst of ${#points[@]} in level $level"
        done
        expect_counter misses "${misses[$level - 1]}" "every miss of the level-$level burst counted"
        expect_counter score "${scores[$level - 1]}" "every click of the level-$level burst scored"
        keep "0$level-burst-level$level"
        [ "$level" = 3 ] && break
        click_area "$level" 4
        expect_screen "$CLEARED_PICTURE" 6 "level $level cleared" || return 1
        wait_for 3 button_shown NEXT_BUTTON "$CLEARED_PICTURE"
        click_button NEXT_BUTTON
    done
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# ------------------------------------------------------- unmeant input
# Input the player did not mean for the screen in front of them: none of it
# may count, and each scenario ends with the same input made on purpose,
# which must count, so that the spots and timings are known to matter.

# The client point x y lies inside a button's spot.
inside_spot() {   # SPOT X Y
    local x y w h
    read -r x y w h <<<"${!1}"
    [ "$2" -gt "$x" ] && [ "$2" -lt $((x + w)) ] && [ "$3" -gt "$y" ] && [ "$3" -lt $((y + h)) ]
}

# The screen shows something other than PIC, or the game has ended.
screen_left() {
    if ! kill -0 "$PROBE_PID" 2>/dev/null; then
        LAST="the game ended: $(tr -d '\r' <"$PROBE_OUT" | grep -E '^(exit|stopped)' | tr '\n' ' ')"
        return 0
    fi
    ! is_screen "$1"
}
expect_screen_stays() {   # PIC SECONDS WHAT
    if wait_for "$2" screen_left "$1"; then
        fail "$3" "$1 on screen for ${2}s with the game running" "$LAST"
        return 1
    fi
    pass "$3 ($1 stays ${2}s)"
}

# A counter that keeps its text for a while: a click judged meanwhile would
# have changed it within a paint.
counter_changed() { ! counter_shows "$1" "$2"; }
expect_counter_stays() {   # score|misses TEXT SECONDS WHAT
    counter_reference "$1" "$2" || { fail "$4" "the probe draws the $1 \"$2\"" "no cell from the probe"; return 1; }
    if wait_for "$3" counter_changed "$1" "$2"; then
        fail "$4: the $1 stays $2" "the $1 cell as the game draws \"$2\" for ${3}s" "$LAST"
        return 1
    fi
    pass "$4: the $1 stays $2 for ${3}s"
}

start_level_one() {   # NAME of the run
    launch_game "$1" || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    click_button START_BUTTON
    expect_screen "${LEVEL_PICTURE[0]}" 5 "start opens level 1"
}

# The window. The probe prints "moved X Y W H" (the client area's new place)
# and then "caption MINX MINY MAXX MAXY" each time the window changes.
CAPTION_MIN_X="" CAPTION_MIN_Y="" CAPTION_MAX_X="" CAPTION_MAX_Y=""
moves_reported() { tr -d '\r' <"$PROBE_OUT" | grep -c '^moved '; }
read_caption() {
    read -r _ CAPTION_MIN_X CAPTION_MIN_Y CAPTION_MAX_X CAPTION_MAX_Y <<<"$(tr -d '\r' <"$PROBE_OUT" | grep '^caption ' | tail -1)"
    [ -n "$CAPTION_MAX_Y" ]
}
# Waits for moves beyond the SEEN first ones to come and settle (none for
# 0.3 s); the client's last place goes to CX CY CW CH.
wait_moved() {   # SEEN WHAT
    local deadline=$((SECONDS + 5)) n
    while [ $SECONDS -lt $deadline ] && [ "$(moves_reported)" -le "$1" ]; do sleep 0.05; done
    n=$(moves_reported)
    if [ "$n" -le "$1" ]; then
        fail "$2" "the probe reports the window moved within 5 s" "$(tr -d '\r' <"$PROBE_OUT" | tail -2 | tr '\n' ' ')"
        return 1
    fi
    while sleep 0.3 && [ "$(moves_reported)" -gt "$n" ]; do n=$(moves_reported); done
    read -r _ CX CY CW CH <<<"$(tr -d '\r' <"$PROBE_OUT" | grep '^moved ' | tail -1)"
    read_caption
    pass "$2 (client at ($CX,$CY), ${CW}x$CH)"
}

# Below and right of the picture a larger window shows its blank background
# only: one colour, no counter cell.
blank_beyond_picture() {   # PIC
    local size pw ph below right
    size=$(identify -format '%w %h' "$PICTURES/$1.bmp")
    pw=${size% *} ph=${size#* }
    below=$(convert "$CUR" -crop "${CW}x$((CH - ph))+0+$ph" +repage -format %k info:)
    right=$(convert "$CUR" -crop "$((CW - pw))x$ph+$pw+0" +repage -format %k info:)
    LAST="colours below the ${pw}x$ph picture: $below, right of it: $right"
    [ "$below" = 1 ] && [ "$right" = 1 ]
}

# Level 1's fifth find made with a double click: the second click comes in
# the pause, where the level-cleared screen's exit button will stand.
# On a loaded machine the first click's ring can show only after the second
# release (100 ms later); the fifth find is then judged once all the same,
# so the ring is waited for, not read once.
fifth_ring_on_level_one() { ring_drawn 1 3 && is_screen "${LEVEL_PICTURE[0]}"; }
scenario_double_click_fifth() {
    local x y
    read -r x y <<<"$(area_centre 1 3)"
    inside_spot LEVEL_EXIT_BUTTON "$x" "$y"
    check "area 3's centre ($x,$y) is under the cleared screen's exit button" "inside $LEVEL_EXIT_BUTTON" "outside" $? ||
        return 1
    start_level_one dblfifth || return 1
    find_areas 1 0 1 2 4 || return 1
    clicks_apart 100 "$x $y" "$x $y"
    wait_for 3 fifth_ring_on_level_one
    check "the double-clicked fifth find rings its area, and the pause keeps level 1 up" \
        "level 1 and the fifth ring on the screen" "$LAST" $? || return 1
    expect_screen "$CLEARED_PICTURE" 5 "the double-clicked fifth find clears level 1" || return 1
    keep 01-cleared
    expect_screen_stays "$CLEARED_PICTURE" 2 "the second click presses no exit button" || return 1
    wait_for 3 button_shown NEXT_BUTTON "$CLEARED_PICTURE"
    check "the next button is up" "bn_1 at the next spot" "$LAST" $? || return 1
    click_button NEXT_BUTTON
    expect_screen "${LEVEL_PICTURE[1]}" 5 "next opens level 2" || return 1
    expect_counter score 150 "level 2 carries five finds, each scored once"
    expect_counter misses 9 "level 2 carries no miss"
    keep 02-level2
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# Level 1 to its fifth find, then a click at the middle of SPOT (a button
# of the level-cleared screen) the moment the fifth ring shows: inside the
# second's pause, before that screen and its buttons are up.
click_spot_in_the_pause() {   # SPOT
    local button=${1%_BUTTON}
    button=${button//_/ }
    button="${button,,} button"
    start_level_one "pause-${button// /-}" || return 1
    find_areas 1 0 1 2 3 || return 1
    local l t r b cx sx sy
    read -r l t r b <<<"$(area 1 4)"
    cx=$(((l + r) / 2))
    # The ring's top is watched by xdrive itself: a screenshot loop here
    # could see it too late.
    xd clickwait $((CX + cx)) $((CY + (t + b) / 2)) $((CX + cx - 4)) $((CY + t)) 9 5 8 3000
    [[ $XREPLY != "ok timeout" ]]
    check "the fifth find's ring shows" "the top of area 4's ring within 3 s" "$XREPLY" $? || return 1
    read -r sx sy <<<"$(button_centre "$1")"
    click "$sx" "$sy"
    grab
    ring_drawn 1 4 && is_screen "${LEVEL_PICTURE[0]}"
    check "the click at the $button's spot ($sx,$sy) is made in the pause" \
        "level 1 and its fifth ring still on the screen after it" "$LAST" $? || return 1
    keep "in-the-pause-${button// /-}"
    expect_screen "$CLEARED_PICTURE" 5 "the fifth find clears level 1" || return 1
    expect_screen_stays "$CLEARED_PICTURE" 2 "the click in the pause presses no $button"
}

scenario_pause_clicks() {
    if click_spot_in_the_pause LEVEL_EXIT_BUTTON; then
        # Pressed now that it is up, the same spot ends the game.
        expect_button LEVEL_EXIT_BUTTON "$CLEARED_PICTURE" shown
        click_button LEVEL_EXIT_BUTTON
        expect_exit_zero "the exit button pressed on the cleared screen"
    fi
    stop_game
    click_spot_in_the_pause NEXT_BUTTON || return 1
    expect_button NEXT_BUTTON "$CLEARED_PICTURE" shown
    click_button NEXT_BUTTON
    expect_screen "${LEVEL_PICTURE[1]}" 5 "next pressed on the cleared screen opens level 2" || return 1
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# A double click on start whose second click comes once level 1 is up (as
# soon as it shows, no sooner than a quick hand's 60 ms), where the start
# button was: it is no click on the level.
scenario_double_click_start() {
    launch_game dblstart || return 1
    expect_screen "$TITLE_PICTURE" 20 "title screen" || return 1
    wait_for 3 button_shown START_BUTTON "$TITLE_PICTURE"
    check "the start button is up" "bs_1 at the start spot" "$LAST" $? || return 1
    local x y ms first now second
    read -r x y <<<"$(button_centre START_BUTTON)"
    xd clickwait $((CX + x)) $((CY + y)) $((CX + ID_X)) $((CY + ID_Y)) "$ID_W" "$ID_H" $((ID_W * ID_H / 5)) 3000
    [[ $XREPLY != "ok timeout" ]]
    check "the first click of the double click opens level 1" "the screen changes within 3 s" "$XREPLY" $? || return 1
    read -r _ ms first <<<"$XREPLY"
    xd now
    now=${XREPLY#ok }
    sleep "$(awk -v f="$first" -v n="$now" 'BEGIN { w = (f + 60 - n) / 1000; printf "%.3f", w > 0 ? w : 0 }')"
    click "$x" "$y"
    second=${XREPLY#ok }
    local gap
    gap=$(awk -v f="$first" -v s="$second" 'BEGIN { printf "%d", s - f }')
    [ "$gap" -lt $((DOUBLE_CLICK_MS * 3 / 4)) ]
    check "the second click follows ${gap} ms after the first (level 1 showed after $ms ms)" \
        "well inside the double-click time of $DOUBLE_CLICK_MS ms" "$gap ms" $? || return 1
    expect_screen "${LEVEL_PICTURE[0]}" 5 "the double click opens level 1" || return 1
    expect_counter score 100 "level 1 begins"
    expect_counter misses 9 "level 1 begins"
    expect_counter_stays misses 9 1 "the second click is not judged"
    expect_counter_stays score 100 0.5 "the second click is not judged"
    keep 01-level1
    # After the double-click time, a click there is the player's: a miss.
    sleep "$(awk -v t="$DOUBLE_CLICK_MS" 'BEGIN { printf "%.3f", t / 1000 + 0.1 }')"
    click "$x" "$y"
    expect_counter misses 8 "a click of its own at the start spot is judged"
    expect_counter score 090 "a click of its own at the start spot is judged"
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# A double click on the caption Wine draws maximises the window; its second
# release lands in the client area, with no press there.
scenario_title_bar_double_click() {
    start_level_one titlebar || return 1
    read_caption
    check "the probe reports the caption's buttons" "a caption line" "${CAPTION_MAX_Y:-none}" $? || return 1
    expect_counter score 100 "level 1 begins"
    expect_counter misses 9 "level 1 begins"
    local px=$((CX + CW / 2)) py=$CAPTION_MIN_Y seen
    seen=$(moves_reported)
    xd clicks 100 "$px" "$py" "$px" "$py"
    wait_moved "$seen" "the title-bar double click moves the window" || return 1
    [ "$CW" -gt "$CLIENT_WIDTH" ] && [ "$CH" -gt "$CLIENT_HEIGHT" ]
    check "the window is maximised" "a client larger than ${CLIENT_WIDTH}x$CLIENT_HEIGHT" "${CW}x$CH" $? || return 1
    local rx=$((px - CX)) ry=$((py - CY))
    [ "$ry" -gt 0 ] && [ "$rx" -gt 0 ] && [ "$rx" -lt "$CW" ]
    check "the second release at the screen's ($px,$py) is over the client area" "inside the client" \
        "client point ($rx,$ry)" $? || return 1
    expect_screen "${LEVEL_PICTURE[0]}" 5 "level 1 in the maximised window" || return 1
    keep 01-maximised
    expect_counter_stays misses 9 1 "the lone release is not judged"
    expect_counter_stays score 100 0.5 "the lone release is not judged"
    # A press and release of its own there is judged: a miss.
    click "$rx" "$ry"
    expect_counter misses 8 "a click at ($rx,$ry) is judged"
    expect_counter score 090 "a click at ($rx,$ry) is judged"
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# Maximised and restored in mid-level through the caption's button: the
# panels show the current counts throughout, and a count drawn while the
# window is large stays in its panel, not in the blank below the picture.
scenario_maximise_restore() {
    start_level_one maxrestore || return 1
    read_caption
    check "the probe reports the caption's buttons" "a caption line" "${CAPTION_MAX_Y:-none}" $? || return 1
    local level=${LEVEL_PICTURE[0]} own="${CW}x$CH" seen mx my
    find_areas 1 0 || return 1
    read -r mx my <<<"$(miss_point 1)"
    click "$mx" "$my"
    expect_counter score 100 "a find and a miss"
    expect_counter misses 8 "a find and a miss"
    keep 01-before

    seen=$(moves_reported)
    xd click "$CAPTION_MAX_X" "$CAPTION_MAX_Y"
    wait_moved "$seen" "the maximise button moves the window" || return 1
    [ "$CW" -gt "$CLIENT_WIDTH" ] && [ "$CH" -gt "$CLIENT_HEIGHT" ]
    check "the window is maximised" "a client larger than ${CLIENT_WIDTH}x$CLIENT_HEIGHT" "${CW}x$CH" $? || return 1
    expect_screen "$level" 5 "level 1 in the maximised window" || return 1
    expect_counter score 100 "maximised"
    expect_counter misses 8 "maximised"
    wait_for 3 blank_beyond_picture "$level"
    check "maximised, nothing is drawn beyond the picture" "one colour there" "$LAST" $?
    # Counts drawn while the window is large.
    read -r mx my <<<"$(miss_point 1 1)"
    click "$mx" "$my"
    expect_counter misses 7 "a miss in the maximised window"
    expect_counter score 090 "a miss in the maximised window"
    wait_for 3 blank_beyond_picture "$level"
    check "after that miss, nothing is drawn beyond the picture" "one colour there" "$LAST" $?
    keep 02-maximised

    seen=$(moves_reported)
    xd click "$CAPTION_MAX_X" "$CAPTION_MAX_Y"
    wait_moved "$seen" "the restore button moves the window" || return 1
    [ "${CW}x$CH" = "$own" ]
    check "the window is its own size again" "$own" "${CW}x$CH" $? || return 1
    expect_screen "$level" 5 "level 1 in the restored window" || return 1
    expect_counter score 090 "restored"
    expect_counter misses 7 "restored"
    read -r mx my <<<"$(miss_point 1 2)"
    click "$mx" "$my"
    expect_counter misses 6 "a miss in the restored window"
    expect_counter score 080 "a miss in the restored window"
    keep 03-restored
    xd key alt+F4
    expect_exit_zero "closing the window (Alt+F4)"
}

# ----------------------------------------------------------------- main
start_xdrive
# Screens are told apart by their pictures: the ones that follow each other
# must differ where the test looks.
assert_pictures_differ "$TITLE_PICTURE" "${LEVEL_PICTURE[0]}"
assert_pictures_differ "$TITLE_PICTURE" "$GAME_OVER_PICTURE"
assert_pictures_differ "$CLEARED_PICTURE" "$FINAL_PICTURE"
for ((i = 0; i < LEVEL_COUNT; i++)); do
    assert_pictures_differ "${LEVEL_PICTURE[$i]}" "$CLEARED_PICTURE"
    assert_pictures_differ "${LEVEL_PICTURE[$i]}" "$GAME_OVER_PICTURE"
    assert_pictures_differ "${LEVEL_PICTURE[$i]}" "$FINAL_PICTURE"
done

for SCENARIO in $SCENARIOS; do
    declare -F "scenario_${SCENARIO//-/_}" >/dev/null || { fail "scenario $SCENARIO exists" "one of: $(declare -F | grep -o 'scenario_.*' | sed 's/scenario_//; s/_/-/g' | tr '\n' ' ')" "$SCENARIO"; continue; }
    echo "== $SCENARIO"
    before=$FAILURES
    began=$SECONDS
    "scenario_${SCENARIO//-/_}" || { [ $FAILURES -gt "$before" ] || fail "scenario $SCENARIO runs to its end" "completion" "stopped early"; }
    stop_game
    echo "   ($SCENARIO took $((SECONDS - began)) s)"
done

echo "== $CHECKS checks, $FAILURES failed, $(($(date +%s) - STARTED)) s; screenshots in $SHOTS"
[ "$FAILURES" -eq 0 ]
