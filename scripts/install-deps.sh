#!/usr/bin/env bash
# Installs every Debian package Trelvo needs to build, run and test. Idempotent and non-interactive.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  # the engines' own client libraries (the board reads SQLite rows directly; benchmarks)
  libsqlite3-dev libpq-dev libx11-dev
  # fonts, so text does not render as boxes
  fonts-dejavu-core fonts-liberation fonts-liberation2
  # engines: the embedded file needs nothing; PostgreSQL for tests; SQL Server client
  postgresql-15 postgresql-client-15 sqlite3 unixodbc tdsodbc
  # display for end-to-end runs and screenshots
  xvfb xauth xdotool x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
