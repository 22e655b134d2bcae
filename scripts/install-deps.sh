#!/usr/bin/env bash
# Installs the Debian packages Kuvex needs to build, run and test.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config zlib1g-dev libminizip-dev libpugixml-dev libssl-dev
      qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
      xvfb xauth unzip python3 locales libc-l10n
      fonts-liberation poppler-utils dpkg-dev file
      clang libclang-rt-14-dev)  # clang and libFuzzer for scripts/fuzz.sh
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A German locale, so the program's system error texts and the tests of
# locale-independent number texts run as on a German desktop.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: no German locale; locale tests will be skipped" >&2
fi
