#!/usr/bin/env bash
# The main job on the embedded default data: the component's view of the current month.
set -euo pipefail
build=$1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/app/liturgy-calendar" version
