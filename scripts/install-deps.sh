#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not yet installed.
# As root it runs apt-get itself; otherwise it prints the one command to run and fails.
set -euo pipefail
missing=()
for pkg in "$@"; do
  # A package removed but not purged is still known to dpkg: check its status line.
  dpkg -s "$pkg" 2>/dev/null | grep -qx 'Status: install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
