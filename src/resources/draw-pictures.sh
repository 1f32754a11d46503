#!/usr/bin/env bash
# Draws every picture of rekenrups into this folder (src/resources).
#
#   src/resources/draw-pictures.sh            draw all pictures
#   src/resources/draw-pictures.sh zon logo   draw only these (file names without extension)
#   src/resources/draw-pictures.sh menuicons  the program icon at 16 to 256 pixels, into
#                                             packaging/icons (not shown by the program), and
#                                             packed for Windows into packaging/windows, and
#                                             at 192 and 512 for the browser's app, into
#                                             packaging/web
#
# Needs ImageMagick 6 (`convert`), the DejaVu fonts and python3. The drawings are plain
# ImageMagick vector graphics (MVG), so the same tools give the same files again.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
IM=${IM:-convert}
FONT=${FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
[[ -r $FONT ]] || { echo "draw-pictures: font $FONT not found (set FONT=...)" >&2; exit 1; }
# KEEP=DIR keeps the big drafts, their MVG and the raw icon data in DIR, to look at them.
if [[ -n ${KEEP:-} ]]; then
    work=$KEEP
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# The mascot's colours.
BODY='#78c850' DARK='#2e7d32' LIGHT='#b8e986' HEAD='#8ed65c' TIP='#ffb703' CHEEK='#ff9eb5'
SPOT='#ffe066'

# ImageMagick's security policy here forbids `-draw @file`, so MVG text goes in as a string.
# draw OUT WIDTH HEIGHT BACKGROUND MVG...: BACKGROUND is an ImageMagick source such as
# xc:none or gradient:#9fdcff-#e8f8ff (top to bottom).
draw() {
    local out=$1 w=$2 h=$3 bg=$4
    shift 4
    [[ -z ${KEEP:-} ]] || printf '%s\n' "$*" >"$out.mvg"
    "$IM" -size "${w}x${h}" "$bg" -font "$FONT" -draw "$*" "$out"
}

# place X Y SCALE ROTATION MVG...: the MVG moved, scaled and turned as one group.
place() {
    local x=$1 y=$2 s=$3 r=$4
    shift 4
    printf 'push graphic-context\ntranslate %s,%s\nrotate %s\nscale %s,%s\n%s\npop graphic-context \n' \
        "$x" "$y" "$r" "$s" "$s" "$*"
}

# The caterpillar ("rups"), head centred on (0,0) with radius 30, body trailing to the left.
# rups SEGMENTS [wave]: with "wave" the segment behind the head lifts a little arm.
rups() {
    rups_body "$@"
    rups_head
}

# The body and the head apart, to turn the body (climbing, standing) and keep the head upright.
rups_body() {
    local n=$1 wave=${2:-} i cx cy r out=""
    out+="stroke $DARK stroke-width 4 stroke-linecap round stroke-linejoin round "
    for ((i = n; i >= 1; i--)); do
        cx=$((-38 - 29 * (i - 1)))
        if ((i % 2)); then cy=24; else cy=16; fi
        if ((i == n && n > 1)); then r=16; else r=20; fi
        out+="fill none stroke-width 5 line $((cx - 7)),$((cy + r - 4)) $((cx - 10)),$((cy + r + 8)) "
        out+="line $((cx + 7)),$((cy + r - 4)) $((cx + 9)),$((cy + r + 8)) stroke-width 4 "
        out+="fill $BODY circle $cx,$cy $((cx + r)),$cy "
        out+="stroke none fill $LIGHT ellipse $((cx - 5)),$((cy - 8)) 8,5 0,360 "
        out+="fill $SPOT circle $((cx + 6)),$((cy + 5)) $((cx + 9)),$((cy + 5)) stroke $DARK "
    done
    if [[ $wave == wave ]]; then
        out+="fill none stroke-width 13 path 'M -42,10 Q -58,-8 -60,-30' "
        out+="stroke $BODY stroke-width 5 path 'M -42,10 Q -58,-8 -60,-30' "
        out+="stroke $DARK stroke-width 4 fill $HEAD circle -61,-38 -52,-38 "
        out+="fill none stroke-width 3 path 'M -80,-50 Q -84,-36 -78,-24' "
        out+="path 'M -72,-62 Q -62,-68 -50,-62' "
    fi
    printf '%s\n' "$out"
}

rups_head() {
    local out="stroke $DARK stroke-width 4 stroke-linecap round stroke-linejoin round "
    # antennae, then the head over their roots
    out+="fill none path 'M -10,-24 Q -14,-42 -24,-50' path 'M 10,-24 Q 14,-42 24,-50' "
    out+="fill $TIP circle -24,-50 -18,-50 circle 24,-50 30,-50 "
    out+="fill $HEAD circle 0,0 30,0 "
    out+="stroke none fill $CHEEK circle -19,11 -14,11 circle 20,11 25,11 "
    out+="stroke $DARK stroke-width 2.5 fill white circle -10,-6 0,-6 circle 12,-6 22,-6 "
    out+="stroke none fill black circle -8,-4 -2.5,-4 circle 14,-4 19.5,-4 "
    out+="fill white circle -10,-7 -8,-7 circle 12,-7 14,-7 "
    out+="stroke $DARK stroke-width 4 fill none path 'M -12,10 Q 1,22 14,10' "
    printf '%s\n' "$out"
}

# ---------------------------------------------------------------------------- scenery
# Each helper prints MVG around (0,0); `place` puts it where it belongs.

# flower PETAL HEART [PETALS]: a daisy of radius 40.
flower() {
    local petal=$1 heart=$2 n=${3:-8} i out
    out="stroke-width 2.5 stroke #00000040 fill $petal "
    for ((i = 0; i < n; i++)); do
        out+="push graphic-context rotate $((i * 360 / n)) ellipse 0,-24 11,18 0,360 pop graphic-context "
    done
    out+="fill $heart circle 0,0 14,0 stroke none fill #ffffff80 circle -4,-4 0,-4"
    printf '%s\n' "$out"
}

# leaf: a leaf 64 long pointing right from (0,0).
leaf() {
    printf '%s\n' "stroke $DARK stroke-width 2.5 fill #5dbb46 ellipse 32,0 32,12 0,360
        fill none line 4,0 58,0"
}

cloud() {
    printf '%s\n' "stroke none fill white circle -22,4 -6,4 circle 0,-6 22,-6 circle 24,4 40,4
        roundrectangle -38,4 40,20 10,10"
}

# hill WIDTH HEIGHT Y: a grassy hill with a few blades, for a picture WIDTH wide whose
# ground starts at Y.
hill() {
    local w=$1 h=$2 y=$3 x out
    out="stroke #3f8f2a stroke-width 3 fill #79cc45 "
    out+="ellipse $((w / 2)),$((y + (h - y))) $((w * 3 / 4)),$((h - y)) 0,360 "
    out+="stroke #4fa336 stroke-width 2 stroke-linecap round "
    for ((x = 8; x < w; x += 23)); do
        out+="line $x,$((y + 14 + (x * 7) % 11)) $((x + 3)),$((y + 6 + (x * 7) % 11)) "
    done
    printf '%s\n' "$out"
}

# label X Y SIZE COLOUR TEXT WIDTH HEIGHT: TEXT centred on (X,Y) of a WIDTH x HEIGHT picture.
label() {
    local x=$1 y=$2 size=$3 colour=$4 text=$5 w=$6 h=$7
    printf '%s\n' "push graphic-context gravity center font-size $size stroke none fill $colour
        text $(awk "BEGIN{print $x - $w / 2}"),$(awk "BEGIN{print $y - $h / 2}") '$text'
        pop graphic-context"
}

# Keep an icon's transparency all-or-nothing: the ICO AND mask has one bit per pixel.
to_rgba() { # to_rgba IN OUT COLOURS: hard alpha, at most COLOURS colours, raw RGBA bytes
    "$IM" "$1" -channel A -threshold 50% +channel +dither -colors "$3" -depth 8 "rgba:$2"
}

to_rgba_mono() { # to_rgba_mono IN OUT: hard alpha, pure black and white, raw RGBA bytes
    "$IM" "$1" -channel A -threshold 50% +channel -channel RGB -threshold 50% +channel \
        -depth 8 "rgba:$2"
}

# ImageMagick 6 wrote the 16-colour entries of a several-image ICO as 32 bits per pixel (only
# the 2-colour one kept its depth), so every .ico is packed by pack-ico.py with exact bit counts.
pack_ico() { python3 "$here/pack-ico.py" "$@"; }

want() { # want NAME: true when NAME was asked for (or nothing was)
    ((${#only[@]} == 0)) && return 0
    local n
    for n in "${only[@]}"; do [[ $n == "$1" ]] && return 0; done
    return 1
}

# Icons are drawn eight times too big and averaged down, so their edges stay smooth.
shrink() { # shrink IN OUT SIZE
    "$IM" "$1" -filter Box -resize "$3x$3" "$2"
}

# The caterpillar for icons: only the head and two bold segments, 256 units wide.
icon_rups() {
    printf '%s\n' "stroke $DARK stroke-width 14 stroke-linecap round stroke-linejoin round
        fill none line 50,222 44,244 line 74,224 80,244 line 110,210 104,236 line 134,208 140,234
        fill $BODY circle 60,188 100,188 circle 120,168 164,168
        stroke none fill $LIGHT ellipse 50,172 16,10 0,360 ellipse 110,150 18,11 0,360
        stroke $DARK fill none path 'M 152,62 Q 140,36 124,22' path 'M 204,62 Q 216,36 232,22'
        fill $TIP circle 124,22 140,22 circle 232,22 248,22
        fill $HEAD circle 178,114 240,114
        stroke none fill $CHEEK circle 140,136 152,136 circle 218,136 230,136
        stroke $DARK stroke-width 8 fill white circle 154,100 178,100 circle 204,100 228,100
        stroke none fill black circle 159,104 172,104 circle 209,104 222,104
        fill white circle 154,97 160,97 circle 204,97 210,97
        stroke $DARK stroke-width 12 fill none path 'M 150,138 Q 178,166 206,138'"
}

# ---------------------------------------------------------------------------- program icon
draw_rekenrups() {
    draw "$work/rekenrups.png" 256 256 xc:none "$(icon_rups)"
    shrink "$work/rekenrups.png" "$work/rekenrups32.png" 32
    to_rgba "$work/rekenrups32.png" "$work/rekenrups.rgba" 255
    pack_ico "$here/rekenrups.ico" "$work/rekenrups.rgba:32x32:8"
}

# The same icon for menus and software centres, which show it up to 256 pixels wide: drawn
# eight times too big (2048 pixels) and averaged down to each size, with soft edges, as PNG
# files without time stamps in packaging/icons. The 32-pixel menu icon is the window icon
# itself (packaging/icontopng.cpp), so it is not drawn here.
draw_menuicons() {
    local icons=$here/../../packaging/icons size
    mkdir -p "$icons"
    draw "$work/rekenrups-2048.png" 2048 2048 xc:none "$(place 0 0 8 0 "$(icon_rups)")"
    for size in 16 48 64 128 256; do
        "$IM" "$work/rekenrups-2048.png" -filter Box -resize "${size}x${size}" -strip \
            -define png:exclude-chunks=date,time "PNG32:$icons/rekenrups-$size.png"
    done
    # The sizes a web app's manifest asks for (an installed app, a home-screen icon).
    for size in 192 512; do
        "$IM" "$work/rekenrups-2048.png" -filter Box -resize "${size}x${size}" -strip \
            -define png:exclude-chunks=date,time "PNG32:$here/../../packaging/web/rekenrups-$size.png"
    done
    # The Windows program's and installer's icon: the window icon at 32 pixels and these beside it.
    "$IM" "$icons/rekenrups-16.png" "$here/rekenrups.ico" "$icons/rekenrups-48.png" \
        "$icons/rekenrups-256.png" "$here/../../packaging/windows/rekenrups.ico"
}

# ---------------------------------------------------------------------------- button icons
# A regular octagon (red, with a white inner rim) and a white stop square.
# The small one leaves out the rim, which would only blur at 16 pixels.
stop_sign() { # stop_sign OUTLINE-WIDTH [rim]
    printf '%s\n' "stroke-linejoin round stroke '#7f0000' stroke-width $1 fill '#e53935'
        polygon 81,13 175,13 243,81 243,175 175,243 81,243 13,175 13,81"
    [[ ${2:-} == rim ]] && printf '%s\n' "stroke white stroke-width 14 fill none
        polygon 90,36 166,36 220,90 220,166 166,220 90,220 36,166 36,90"
    printf '%s\n' "stroke none fill white roundrectangle 80,80 176,176 14,14"
}

draw_stop() {
    draw "$work/stop-32.png" 256 256 xc:none "$(stop_sign 14 rim)"
    draw "$work/stop-16.png" 256 256 xc:none "$(stop_sign 24)"
    local size
    for size in 32 16; do
        shrink "$work/stop-$size.png" "$work/stop$size.png" "$size"
        to_rgba "$work/stop$size.png" "$work/stop$size.rgba" 15
    done
    pack_ico "$here/stop.ico" "$work/stop32.rgba:32x32:4" "$work/stop16.rgba:16x16:4"
}

# A green round button with a white "play" arrow.
draw_start() {
    draw "$work/start.png" 256 256 xc:none "stroke '#1b5e20' stroke-width 16 fill '#43a047'
        circle 128,128 246,128
        stroke none fill '#81c784' ellipse 104,62 56,26 0,360
        stroke white stroke-width 18 stroke-linejoin round fill white
        polygon 98,70 98,186 192,128"
    local size
    for size in 32 16; do
        shrink "$work/start.png" "$work/start$size.png" "$size"
        to_rgba "$work/start$size.png" "$work/start$size.rgba" 15
    done
    pack_ico "$here/start.ico" "$work/start32.rgba:32x32:4" "$work/start16.rgba:16x16:4"
}

# A life buoy with a question mark in the middle. buoy RING STRIPES HOLE MARK OUTLINE
buoy() {
    local ring=$1 stripes=$2 hole=$3 mark=$4 line=$5 out
    out="stroke $line stroke-width 10 fill $ring circle 128,128 244,128 stroke none fill $stripes "
    # four stripes of 44 degrees around 45, 135, 225 and 315 degrees
    out+="path 'M 128,128 L 232,172 A 113,113 0 0,1 172,232 Z' "
    out+="path 'M 128,128 L 84,232 A 113,113 0 0,1 24,172 Z' "
    out+="path 'M 128,128 L 24,84 A 113,113 0 0,1 84,24 Z' "
    out+="path 'M 128,128 L 172,24 A 113,113 0 0,1 232,84 Z' "
    out+="stroke $line stroke-width 12 fill $hole circle 128,128 198,128 "
    # The question mark is built from discs, not typed, to keep a clear gap above its dot at
    # 32 pixels; ImageMagick 6 also mangles wide strokes along curved paths, so no path here.
    out+="stroke none fill $mark circle 128,100 166,100 fill $hole circle 128,100 141,100 "
    out+="polygon 128,100 128,150 70,150 70,108 "
    out+="fill $mark circle 102,105 115,105 roundrectangle 115,110 141,148 13,13 "
    out+="circle 128,181 143,181"
    printf '%s\n' "$out"
}

# The two-colour buoy is drawn pixel by pixel at its own size: shrinking the big drawing and
# cutting it to black and white lets the question mark run into the ring.
help_mono() {
    local rows=(".#####." "##...##" "##...##" ".....##" "....##." "...##.." "...##.." "......."
        "...##.." "...##..") x y out
    out="stroke black stroke-width 1 fill white circle 15.5,15.5 15.5,0.5 fill black "
    out+="path 'M 15.5,15.5 L 28.5,23 A 15,15 0 0,1 23,28.5 Z' "
    out+="path 'M 15.5,15.5 L 8,28.5 A 15,15 0 0,1 2.5,23 Z' "
    out+="path 'M 15.5,15.5 L 2.5,8 A 15,15 0 0,1 8,2.5 Z' "
    out+="path 'M 15.5,15.5 L 23,2.5 A 15,15 0 0,1 28.5,8 Z' "
    out+="fill white circle 15.5,15.5 15.5,6.5 stroke none fill black "
    for ((y = 0; y < ${#rows[@]}; y++)); do
        for ((x = 0; x < ${#rows[y]}; x++)); do
            [[ ${rows[y]:x:1} == "#" ]] && out+="point $((x + 12)),$((y + 11)) "
        done
    done
    printf '%s\n' "$out"
}

draw_help() {
    draw "$work/help1.png" 256 256 xc:none "$(buoy '#e53935' white white '#0d47a1' '#263238')"
    "$IM" -size 32x32 xc:none +antialias -draw "$(help_mono)" "$work/help2s.png"
    draw "$work/help3.png" 256 256 xc:none "$(buoy '#fb8c00' white '#fff8e1' '#0d47a1' '#263238')"
    local i
    for i in 1 3; do shrink "$work/help$i.png" "$work/help${i}s.png" 32; done
    to_rgba "$work/help1s.png" "$work/help1.rgba" 15
    to_rgba_mono "$work/help2s.png" "$work/help2.rgba"
    to_rgba "$work/help3s.png" "$work/help3.rgba" 15
    pack_ico "$here/help.ico" "$work/help1.rgba:32x32:4" "$work/help2.rgba:32x32:1" \
        "$work/help3.rgba:32x32:4"
}

# A bold green check mark.
draw_check() {
    draw "$work/check.png" 256 256 xc:none "fill none stroke-linecap round stroke-linejoin round
        stroke '#1b5e20' stroke-width 64 polyline 38,140 100,202 218,62
        stroke '#43c047' stroke-width 40 polyline 38,140 100,202 218,62
        stroke '#a5e887' stroke-width 10 polyline 40,132 100,190 208,62"
    shrink "$work/check.png" "$work/check32.png" 32
    to_rgba "$work/check32.png" "$work/check.rgba" 255
    pack_ico "$here/check.ico" "$work/check.rgba:32x32:8"
}

# ---------------------------------------------------------------------------- level chooser
# GIFs keep at most 256 colours; without dithering the flat colours stay clean.
to_gif() { # to_gif IN OUT
    "$IM" "$1" +dither -colors 256 "$2"
}

# The caterpillar climbs up the stem of a big pink flower.
draw_imgmeisje() {
    draw "$work/imgmeisje.png" 200 431 'gradient:#8fd3ff-#e6f7ff' "
        $(place 52 44 0.8 0 "$(cloud)") $(place 160 92 0.6 0 "$(cloud)")
        stroke $DARK stroke-width 14 fill none path 'M 104,430 Q 92,300 104,200 Q 112,140 104,96'
        stroke #5dbb46 stroke-width 8 path 'M 104,430 Q 92,300 104,200 Q 112,140 104,96'
        $(place 100 330 1 -30 "$(leaf)") $(place 100 250 1 200 "$(leaf)")
        $(place 104 170 0.8 -20 "$(leaf)")
        $(hill 200 431 380)
        $(place 104 92 1.6 0 "$(flower '#ff7eb6' '#ffd23f' 10)")
        $(place 30 392 0.45 0 "$(flower '#ffd23f' '#ff8c42')")
        $(place 170 400 0.5 0 "$(flower '#b39ddb' '#ffe066')")
        $(place 116 250 0.9 -75 "$(rups_body 5)") $(place 116 250 0.9 -8 "$(rups_head)")"
    to_gif "$work/imgmeisje.png" "$here/imgmeisje.gif"
}

# apple X Y DIGIT: a red apple with a number, for the fruit tree.
apple() {
    printf '%s\n' "stroke #8d1c1c stroke-width 2.5 fill #e8413c circle $1,$2 $(($1 + 15)),$2
        stroke #6d4c41 stroke-width 3 line $1,$(($2 - 14)) $(($1 + 3)),$(($2 - 22))
        stroke none fill #ffffff70 ellipse $(($1 - 6)),$(($2 - 6)) 4,6 0,360
        $(label "$1" "$(($2 + 1))" 17 white "$3" 212 275)"
}

# A fruit tree with numbered apples, some already in the grass.
draw_imgwit() {
    draw "$work/imgwit.png" 212 275 'gradient:#ffffff-#eaf6ff' "
        $(hill 212 275 236)
        stroke #5d4037 stroke-width 3 fill #8d6e63
        polygon 92,250 96,150 80,126 90,122 106,140 122,120 130,126 116,150 120,250
        stroke #2e7d32 stroke-width 3 fill #66bb4a
        circle 60,110 100,110 circle 152,110 192,110 circle 106,72 154,72 circle 70,60 106,60
        circle 146,56 182,56 circle 106,128 146,128
        stroke none fill #66bb4a circle 106,100 156,100 circle 80,86 110,86 circle 134,86 164,86
        fill #8fd46a circle 84,52 96,52 circle 124,44 140,44 circle 164,84 174,84
        $(apple 62 108 1) $(apple 106 64 2) $(apple 150 100 3) $(apple 96 126 4)
        $(apple 148 52 5) $(apple 64 58 6) $(apple 44 252 7) $(apple 172 256 8)"
    to_gif "$work/imgwit.png" "$here/imgwit.gif"
}

# A four-coloured kite high in the sky; the caterpillar holds the string.
draw_imgchinees() {
    local tail="M 75,142 Q 55,170 75,198 Q 95,226 75,254 Q 58,280 70,300" bows="" y
    for y in 170 226 282; do
        bows+="$(place "$((y == 226 ? 86 : 64))" "$y" 1 20 "stroke #5d4037 stroke-width 1.5 fill #ff5a5f
            polygon 0,0 -12,-7 -12,7 fill #ffd23f polygon 0,0 12,-7 12,7")"
    done
    draw "$work/imgchinees.png" 150 388 'gradient:#7cc8ff-#e6f7ff' "
        $(place 40 210 0.7 0 "$(cloud)") $(place 120 250 0.5 0 "$(cloud)")
        stroke #5d4037 stroke-width 1.5 fill none path 'M 75,142 Q 130,240 66,332'
        stroke #5d4037 stroke-width 2 path '$tail' $bows
        stroke #37474f stroke-width 3 stroke-linejoin round
        fill #ff5a5f polygon 75,20 75,70 40,62 fill #ffd23f polygon 75,20 110,62 75,70
        fill #4cc9f0 polygon 40,62 75,70 75,142 fill #7bd389 polygon 110,62 75,142 75,70
        fill none line 75,20 75,142 line 40,62 110,62
        $(hill 150 388 344)
        $(place 104 348 0.55 -10 "$(rups 4 wave)")"
    to_gif "$work/imgchinees.png" "$here/imgchinees.gif"
}

# A smiling butterfly with spotted wings above a row of flowers.
draw_imgkleur() {
    local wings="stroke #6a1b9a stroke-width 3 fill #ff8a3d
        ellipse -46,-30 46,36 0,360 fill #ff5fa2 ellipse -36,34 30,26 0,360
        stroke none fill #ffd23f circle -56,-36 -42,-36 circle -36,38 -26,38
        fill #ffffff circle -30,-10 -24,-10 circle -70,-8 -65,-8 fill #7b2cbf circle -52,-52 -46,-52"
    draw "$work/imgkleur.png" 250 277 'gradient:#f3e8ff-#fff7e0' "
        $(hill 250 277 226)
        $(place 30 236 0.45 0 "$(flower '#ff5a5f' '#ffd23f')")
        $(place 92 244 0.4 0 "$(flower '#4cc9f0' '#ffe066')")
        $(place 160 238 0.45 0 "$(flower '#ffd23f' '#ff8c42')")
        $(place 222 244 0.4 0 "$(flower '#ff7eb6' '#ffe066')")
        $(place 125 118 1.2 0 "
            push graphic-context rotate -8 $wings pop graphic-context
            push graphic-context scale -1,1 rotate -8 $wings pop graphic-context
            stroke #3c1053 stroke-width 2.5 fill none path 'M -4,-52 Q -10,-72 -24,-80'
            path 'M 4,-52 Q 10,-72 24,-80'
            fill #ffd23f circle -24,-80 -20,-80 circle 24,-80 28,-80
            fill #5a189a ellipse 0,12 9,44 0,360 circle 0,-42 14,-42
            stroke none fill white circle -5,-45 -1,-45 circle 5,-45 9,-45
            fill black circle -4,-44 -2,-44 circle 6,-44 8,-44 fill $CHEEK circle -9,-36 -6,-36
            circle 9,-36 12,-36 stroke white stroke-width 2 fill none path 'M -5,-36 Q 0,-32 5,-36'")"
    to_gif "$work/imgkleur.png" "$here/imgkleur.gif"
}

# The caterpillar stands up straight: a rainbow of segments counting on in twos.
draw_imgkleur2() {
    local colours=('#e63946' '#f77f00' '#fcbf49' '#7bd389' '#4cc9f0' '#4361ee' '#9d4edd')
    local i y out=""
    for ((i = 6; i >= 0; i--)); do
        y=$((96 + i * 32))
        out+="stroke $DARK stroke-width 3 stroke-linecap round
            line $((i % 2 ? 24 : 26)),$y 10,$((y + 8)) line $((i % 2 ? 76 : 74)),$y 90,$((y + 8))
            fill ${colours[i]} circle $((i % 2 ? 47 : 53)),$y $((i % 2 ? 47 : 53)),$((y + 24))
            stroke none fill #ffffff60 ellipse $((i % 2 ? 39 : 45)),$((y - 12)) 9,5 0,360
            $(label "$((i % 2 ? 47 : 53))" "$((y + 1))" 20 white "$((2 * (i + 1)))" 100 319) "
    done
    draw "$work/imgkleur2.png" 100 319 'gradient:#e8f8ff-#fffbe6' "$out
        $(place 50 56 1 0 "
            stroke $DARK stroke-width 4 stroke-linecap round fill none
            path 'M -10,-24 Q -14,-38 -24,-44' path 'M 10,-24 Q 14,-38 24,-44'
            fill $TIP circle -24,-44 -18,-44 circle 24,-44 30,-44
            fill $HEAD circle 0,0 30,0 stroke none fill $CHEEK circle -19,11 -14,11 circle 20,11 25,11
            stroke $DARK stroke-width 2.5 fill white circle -10,-6 0,-6 circle 12,-6 22,-6
            stroke none fill black circle -8,-4 -2.5,-4 circle 14,-4 19.5,-4
            fill white circle -10,-7 -8,-7 circle 12,-7 14,-7
            stroke $DARK stroke-width 4 fill none path 'M -12,10 Q 1,22 14,10'")"
    to_gif "$work/imgkleur2.png" "$here/imgkleur2.gif"
}

# balloon X Y COLOUR TEXT: a balloon of radius 30 with its string ending at the knot below.
balloon() {
    printf '%s\n' "stroke #607d8b stroke-width 1.5 fill none path 'M $1,$(($2 + 38)) Q $(($1 + 8)),$(($2 + 120)) 113,318'
        stroke #00000050 stroke-width 2 fill $3 ellipse $1,$2 30,36 0,360
        polygon $(($1 - 5)),$(($2 + 40)) $(($1 + 5)),$(($2 + 40)) $1,$(($2 + 34))
        stroke none fill #ffffff80 ellipse $(($1 - 12)),$(($2 - 14)) 6,11 0,360
        $(label "$1" "$(($2 + 2))" 28 white "$4" 227 400)"
}

# A bunch of balloons with sums on them, tied to a present.
draw_imgkleur3() {
    draw "$work/imgkleur3.png" 227 400 'gradient:#9fdcff-#fff3e0' "
        $(place 190 40 0.7 0 "$(cloud)")
        $(balloon 52 130 '#e63946' 6) $(balloon 176 126 '#4361ee' 3)
        $(balloon 84 64 '#f77f00' '÷') $(balloon 150 58 '#7bd389' 2)
        $(balloon 118 140 '#9d4edd' '=') $(balloon 40 212 '#fcbf49' 1) $(balloon 190 206 '#ff7eb6' 0)
        $(hill 227 400 360)
        stroke #b23a48 stroke-width 3 fill #ff5a5f roundrectangle 86,318 140,366 4,4
        fill #ffd23f stroke #c99700 rectangle 107,318 119,366 rectangle 86,336 140,346
        fill none stroke #c99700 stroke-width 4 ellipse 104,312 10,6 0,360 ellipse 122,312 10,6 0,360"
    to_gif "$work/imgkleur3.png" "$here/imgkleur3.gif"
}

# ---------------------------------------------------------------------------- small pictures
# The mascot's head as a little logo; transparency is all-or-nothing in a GIF.
draw_logo() {
    draw "$work/logo.png" 256 224 xc:none "$(place 13 2 0.9 0 "$(icon_rups)")"
    "$IM" "$work/logo.png" -filter Box -resize 32x28 -channel A -threshold 50% +channel \
        +dither -colors 255 "$here/logo.gif"
}

# A ladybird with six spots sitting on a leaf.
draw_introzijkant() {
    draw "$work/introzijkant.png" 109 114 'gradient:#fffbe6-#e6f7d9' "
        $(place 6 92 1.5 -32 "$(leaf)")
        $(place 56 60 1 18 "
            stroke #1b1b1b stroke-width 2 fill #1b1b1b line -8,-30 -16,-44 line 8,-30 16,-44
            circle -16,-44 -13,-44 circle 16,-44 19,-44
            fill #2b2b2b ellipse 0,-22 16,13 0,360
            stroke #1b1b1b stroke-width 2.5 fill #e63946 circle 0,8 30,8
            line 0,-21 0,38
            stroke none fill #1b1b1b circle -13,-4 -8,-4 circle 13,-4 18,-4 circle -18,12 -13,12
            circle 18,12 23,12 circle -10,26 -5,26 circle 10,26 15,26
            fill white circle -6,-25 -2,-25 circle 6,-25 10,-25 fill black circle -5,-24 -3,-24
            circle 7,-24 9,-24 stroke white stroke-width 1.5 fill none path 'M -5,-16 Q 0,-12 5,-16'
            stroke none fill #ffffff60 ellipse -14,-8 5,3 0,360")"
    to_gif "$work/introzijkant.png" "$here/introzijkant.gif"
}

# The author's portrait: a wise owl with big glasses, drawn large and averaged down.
draw_plof() {
    draw "$work/plof.png" 256 256 'gradient:#bfe6ff-#e8f6ff' "stroke #3e2723 stroke-width 8
        stroke-linejoin round fill #8d6e63 polygon 52,70 66,18 104,56 polygon 204,70 190,18 152,56
        ellipse 128,148 96,100 0,360
        stroke none fill #d7ccc8 ellipse 128,188 56,54 0,360
        stroke #a1887f stroke-width 5 fill none path 'M 106,170 Q 116,180 126,170'
        path 'M 130,170 Q 140,180 150,170' path 'M 118,200 Q 128,210 138,200'
        stroke #263238 stroke-width 12 fill white circle 86,110 124,110 circle 170,110 208,110
        fill none line 124,108 132,108 stroke-width 10 line 48,104 28,96 line 208,104 228,96
        stroke none fill #263238 circle 92,114 106,114 circle 164,114 178,114
        fill white circle 88,108 93,108 circle 160,108 165,108
        stroke #e65100 stroke-width 4 fill #ffa726 polygon 116,140 140,140 128,164
        stroke #e65100 stroke-width 10 stroke-linecap round line 100,244 96,254 line 112,244 112,254
        line 144,244 144,254 line 156,244 160,254"
    "$IM" "$work/plof.png" -filter Box -resize 32x32 -type TrueColor "BMP3:$here/plof.bmp"
}

# The big start button of the intro: the caterpillar waves hello.
draw_kombinnen() {
    draw "$work/kombinnen.png" 150 180 'gradient:#fff1b8-#d8f3ff' "
        $(hill 150 180 142)
        stroke #f4a261 stroke-width 3 fill white roundrectangle 10,12 80,50 14,14
        polygon 52,48 64,48 70,64
        stroke none fill white rectangle 54,44 66,50
        $(label 45 31 22 '#e76f51' 'Hoi!' 150 180)
        $(place 104 104 0.85 -40 "$(rups_body 4 wave)") $(place 104 104 0.85 -5 "$(rups_head)")"
    # a JPEG keeps sharp edges better without chroma subsampling
    "$IM" "$work/kombinnen.png" -sampling-factor 1x1 -quality 92 "$here/kombinnen.jpg"
}

# A smiling sun with sixteen rays.
draw_zon() {
    local i rays=""
    for ((i = 0; i < 16; i++)); do
        rays+="$(place 84 87 1 $((i * 360 / 16)) "polygon 0,-80 -9,-60 9,-60") "
    done
    # The background is transparent: on the information screen the sun lies over a line of text.
    draw "$work/zon.png" 168 174 xc:none "
        stroke #f08c00 stroke-width 3 stroke-linejoin round fill #ffb703 $rays
        fill #ffd43b circle 84,87 140,87
        stroke none fill #fff3a8 ellipse 62,60 14,8 0,360
        fill #ff9eb5 circle 52,100 62,100 circle 116,100 126,100
        stroke #7a4a00 stroke-width 5 stroke-linecap round fill none
        path 'M 56,80 Q 66,68 76,80' path 'M 92,80 Q 102,68 112,80'
        path 'M 60,104 Q 84,132 108,104'"
    "$IM" "$work/zon.png" -channel A -threshold 50% +channel +dither -colors 255 "$here/zon.gif"
}

only=("$@")
for picture in rekenrups menuicons stop start help check imgmeisje imgwit imgchinees imgkleur \
    imgkleur2 imgkleur3 logo introzijkant plof kombinnen zon; do
    if want "$picture"; then
        echo "drawing $picture"
        "draw_$picture"
    fi
done
