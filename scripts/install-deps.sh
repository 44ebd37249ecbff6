#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Yorvane need,
# asking apt only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk
  googletest libgtest-dev libbenchmark-dev qt6-base-private-dev
  clang libclang-rt-dev
  xvfb xdotool x11-utils
)
if [ "${1:-}" = "--run-only" ]; then
  packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n fonts-noto-cjk)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# sudo resets the environment, so the setting goes through env. dpkg's
# progress is kept back unless the installation fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! $sudo env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
