#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && ctest --output-on-failure -j2)
# Every fuzz target for 30 seconds; a finding fails the run.
scripts/fuzz.sh 30
# The Debian package, built and used from an unpacked root.
scripts/check-package.sh build
