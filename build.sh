#!/bin/sh
# The README's two commands:
#   ./build.sh play   installs what is missing, builds, and starts the game
#   ./build.sh test   installs what is missing, builds, and runs every test
# The packages come first because a fresh Debian 12 has no make; then the Makefile takes over.
# Further arguments go to make as they are (BUILD=..., CMAKE_FLAGS=...).
set -eu
cd "$(dirname "$0")"
case "${1:-}" in
  play | test) ;;
  *)
    echo "usage: $0 play|test [make variables]" >&2
    exit 2
    ;;
esac
./tools/setup/install-deps
exec make "$@"
