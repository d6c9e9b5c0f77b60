#!/usr/bin/env bash
# Takes the user guide's screenshots (resources/help/*.png) and a walk through the windows
# (build/shots/: login, lists, dialogs, a message box, a file dialog) under Xvfb with openbox,
# so they can be redone whenever the windows change. Rebuild afterwards to put the new
# pictures into the program.
#   scripts/helpshots.sh            guide pictures and walk
#   scripts/helpshots.sh en         the same in English: resources/help/en, build/shots/en
set -euo pipefail
cd "$(dirname "$0")/.."
lang=${1:-}
guide=resources/help${lang:+/$lang}
walk=build/shots${lang:+/$lang}
cmake --build build --target helpshots data_folder ${lang:+translations} >/dev/null
# The sample account of this build: the pictures show its rows; nothing in it is changed.
mkdir -p "$walk"
xvfb-run -a -s "-screen 0 1024x720x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  ./build/helpshots "$@"
' _ "$PWD/build/data/Sample.MDB" "$guide" "$walk" $lang
echo "helpshots: guide pictures in $guide, walk in $walk"
