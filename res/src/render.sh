#!/bin/sh
# Renders every image in res/ from the SVG sources beside this script.
# Needs rsvg-convert (librsvg2-bin), ImageMagick 6 `convert` and the fonts
# fonts-arphic-ukai and fonts-dejavu-core (text in title.svg, toolbar.svg).
# The noise steps use fixed seeds, so a rerun gives the same pictures.
#
#   sh res/src/render.sh            (from anywhere)
set -eu

src=$(cd "$(dirname "$0")" && pwd)
res=$(dirname "$src")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

paper='#F8F2E2'   # home page paper colour: GIF edges are matted onto it

# GIF with one-bit transparency: colour matted on the paper, alpha cut at a
# threshold, so soft edges blend into the page instead of leaving a halo.
gif_on_paper() { # in.png out.gif threshold colours
    convert "$1" -background "$paper" -flatten \
        \( "$1" -alpha extract -threshold "$3" \) \
        -alpha off -compose copy-opacity -composite \
        -dither FloydSteinberg -colors "$4" "$2"
}

# PNG strip keyed on a solid colour for a wx image list: pixels at least
# half opaque keep their colour, the rest become the key colour.
keyed_png() { # in.png out.png key
    convert "$1" -channel A -threshold 50% +channel \
        -background "$3" -flatten -type TrueColor -strip "PNG24:$2"
}

# --- toolbar: normal strip a little muted, hot strip brighter ---------------
rsvg-convert "$src/toolbar.svg" -o "$tmp/toolbar.png"
convert "$tmp/toolbar.png" -modulate 97,70 "$tmp/toolbar_n.png"
convert "$tmp/toolbar.png" -modulate 108,120 "$tmp/toolbar_h.png"
keyed_png "$tmp/toolbar_n.png" "$res/toolbar.png" '#FF00FF'
keyed_png "$tmp/toolbar_h.png" "$res/toolbar_hot.png" '#FF00FF'

# --- catalogue tree strip: pixel art on white, the image list's key ---------
rsvg-convert "$src/tree.svg" -o "$tmp/tree.png"
convert "$tmp/tree.png" -background white -flatten -type TrueColor -strip \
    "PNG24:$res/tree.png"

# --- application icon ---------------------------------------------------------
rsvg-convert -w 16 -h 16 "$src/versilo-16.svg" -o "$res/versilo-16.png"
for s in 32 48 64 128 256; do
    rsvg-convert -w $s -h $s "$res/versilo.svg" -o "$res/versilo-$s.png"
done

# --- home page: paper tile, banner, leaf ----------------------------------------
rsvg-convert "$src/mainbg.svg" -o "$tmp/mainbg.png"
convert "$tmp/mainbg.png" -alpha off \
    \( -size 200x200 xc:gray50 -seed 7 -attenuate 0.6 +noise Gaussian \
       -virtual-pixel tile -motion-blur 0x6+15 -colorspace gray -level 40%,60% \) \
    -compose softlight -composite -seed 11 -attenuate 0.25 +noise Gaussian \
    -colors 64 "$res/mainbg.gif"

rsvg-convert "$src/title.svg" -o "$tmp/title.png"
gif_on_paper "$tmp/title.png" "$res/title.gif" 40% 255

rsvg-convert "$src/leaf.svg" -o "$tmp/leaf.png"
gif_on_paper "$tmp/leaf.png" "$res/leaf.gif" 35% 64

# --- help page: squared paper --------------------------------------------------
rsvg-convert "$src/grid.svg" -o "$tmp/grid.png"
convert "$tmp/grid.png" -alpha off -seed 5 -attenuate 0.2 +noise Gaussian \
    -strip -quality 82 -sampling-factor 4:2:0 "$res/grid.jpg"

# --- poem pages: greyscale ink-wash strip ---------------------------------------
# Blur, displacement and grain all use the tiling edge mode, so the picture
# still repeats without seams in both directions.
rsvg-convert "$src/poembg.svg" -o "$tmp/poembg.png"
convert -size 1024x198 xc:gray50 -seed 21 -attenuate 3 +noise Gaussian \
    -virtual-pixel tile -blur 0x6 -auto-level -colorspace gray "$tmp/dmap.png"
convert "$tmp/poembg.png" -alpha off -colorspace gray \
    -virtual-pixel tile -blur 0x2.5 "$tmp/dmap.png" \
    -virtual-pixel tile -compose displace -set option:compose:args 6x6 -composite \
    -blur 0x1 "$tmp/washed.png"
convert "$tmp/washed.png" \
    \( -size 1024x198 xc:gray50 -seed 3 -attenuate 0.5 +noise Gaussian \
       -virtual-pixel tile -motion-blur 0x9+8 -colorspace gray -level 42%,58% \) \
    -compose softlight -composite -seed 8 -attenuate 0.15 +noise Gaussian \
    -colorspace gray -type Grayscale -strip -quality 86 "$res/poembg.jpg"

ls -l "$res"/*.png "$res"/*.gif "$res"/*.jpg
