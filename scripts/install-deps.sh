#!/usr/bin/env bash
# Installs every Debian package that building, testing and running forecast needs.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config git ca-certificates \
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev \
  libsqlite3-dev sqlite3 \
  libgdal-dev libgeos-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth x11-apps imagemagick fonts-dejavu-core
