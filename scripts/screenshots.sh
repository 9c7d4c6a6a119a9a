#!/usr/bin/env bash
# Screenshots of the program over the demo suite, taken under Xvfb, into docs/screenshots.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
DEMO=${DEMO_DIR:-$repo/.demo}
[ -f "$DEMO/.pronto" ] || { echo "rode antes: bash scripts/demo.sh" >&2; exit 1; }
cmake --build "$repo/build" --target valorama-screenshots >/dev/null
export FIREBIRD=$DEMO/root FIREBIRD_LOCK=$DEMO/lock FIREBIRD_TMP=$DEMO/lock
xvfb-run -a -s "-screen 0 1280x900x24" "$repo/build/tools/screenshots/valorama-screenshots" "$DEMO" "$repo/docs/screenshots" "$@"
