#!/usr/bin/env bash
# Sets up and builds (tools/setup.sh), then starts Quorvane in the current directory,
# where it keeps its Quorvane.cfg.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup.sh"
exec "$here/build/src/app/quorvane" "$@"
