#!/usr/bin/env bash
# Serves the browser build on this machine, for a try-out: open the address it prints in a browser
# here (only this machine can reach it). Ctrl+C ends it.
#
#   scripts/web/serve.sh [FOLDER] [PORT]     build-web and 8023 by default
#
# A school serves build-web/ from its own web server, over HTTPS (see the README).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
site=${1:-$top/build-web}
port=${2:-8023}
if [[ ! -f $site/index.html ]]; then
  echo "rekenrups web: $site holds no site: run scripts/web/build.sh first" >&2
  exit 1
fi
echo "rekenrups web: serving $site at (Ctrl+C ends it):"
exec python3 "$top/scripts/web/serve.py" "$site" "$port"
