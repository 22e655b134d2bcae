#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kuvex from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ ! -x build/bin/kuvex ]; then
  echo "run.sh: build/bin/kuvex was not built; see the build output above." >&2
  exit 1
fi
exec build/bin/kuvex "$@"
