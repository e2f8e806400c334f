#!/bin/sh
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the About picture (pics/tesk.jpg): a film strip with a conversion arrow.
# Needs ImageMagick. Output: 150x179, baseline JPEG, JFIF 1.01, 8-bit RGB, 72x72 dpi.
set -eu
cd "$(dirname "$0")"
convert -size 150x179 gradient:'#1d3557-#457b9d' \
    -fill '#111111' -draw 'rectangle 20,20 130,110' \
    -fill '#f1faee' \
    -draw 'rectangle 26,26 36,34' -draw 'rectangle 26,96 36,104' \
    -draw 'rectangle 58,26 68,34' -draw 'rectangle 58,96 68,104' \
    -draw 'rectangle 90,26 100,34' -draw 'rectangle 90,96 100,104' \
    -draw 'rectangle 114,26 124,34' -draw 'rectangle 114,96 124,104' \
    -fill '#e63946' -draw 'rectangle 30,44 120,86' \
    -fill '#f1faee' -draw 'polygon 60,52 60,78 92,65' \
    -fill '#a8dadc' -draw 'rectangle 40,130 95,146' -draw 'polygon 95,122 95,154 120,138' \
    -strip -colorspace sRGB -type TrueColor -sampling-factor 2x2 \
    -units PixelsPerInch -density 72 -interlace none -quality 90 \
    pics/tesk.jpg
