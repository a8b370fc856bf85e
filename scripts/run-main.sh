#!/usr/bin/env bash

# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# The main job: create the embedded default data set when it is missing, then start the
# component's window on it. Without a display the window runs off screen and saves a picture
# of itself, and the current month is shown in the terminal.
set -euo pipefail
build=$1
data="${XDG_DATA_HOME:-$HOME/.local/share}/liturgy-calendar"
if [ ! -f "$data/liturgy.ini" ]; then
    echo "Creating the default data set in $data"
    mkdir -p "$data"
    "$build/bin/make-sample-data" --out "$data"
fi
app="$build/app/liturgy-calendar"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi
export QT_QPA_PLATFORM=offscreen
"$app" month "$(date +%Y-%m)"
shot="$data/liturgy-calendar.png"
"$app" --screenshot "$shot" --date "$(date +%Y-%m-%d)"
echo "The window, drawn off screen: $shot"
