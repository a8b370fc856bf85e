#!/usr/bin/env bash
# The main job: create the embedded default data set when it is missing, then show the
# component's view of the current month on it.
set -euo pipefail
build=$1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
data="${XDG_DATA_HOME:-$HOME/.local/share}/liturgy-calendar"
if [ ! -f "$data/liturgy.ini" ]; then
    echo "Creating the default data set in $data"
    mkdir -p "$data"
    "$build/tools/sample_data/make-sample-data" --out "$data"
fi
"$build/app/liturgy-calendar" month "$(date +%Y-%m)"
