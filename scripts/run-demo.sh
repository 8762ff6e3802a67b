#!/usr/bin/env bash
# Installs what is needed, builds, and opens the wizard on the demo region.
# The demo region is written into the folder given (default ~/forecast-demo)
# unless a region is already there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
folder="${1:-$HOME/forecast-demo}"
exec ./build/bin/forecast --demo "$folder"
