#!/bin/sh
# Redraws every skin picture into this folder.
# Needs g++, Qt 6 (qt6-base-dev) and ImageMagick (convert).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O1 -fPIC -o "$work/skingen" "$here/skingen.cpp" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/skingen" "$here" "$work/png"

# Qt cannot write GIF; ImageMagick turns the one-bit-transparent PNGs into GIFs.
for name in info_mark Logo instruction Border_bot_left Border_bot_right; do
    convert "$work/png/$name.png" -strip "GIF:$here/$name.gif"
done

# Icons carry a 16 x 16 and a 32 x 32 picture.
for name in QVicon pencil hand; do
    convert "$work/png/$name-16.png" "$work/png/$name-32.png" "ICO:$here/$name.ico"
done
