#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kuvex from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/kuvex ]; then
  exec build/bin/kuvex "$@"
else
  exec build/bin/kuvex-bench
fi
