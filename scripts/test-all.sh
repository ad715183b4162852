#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: SQLite always, PostgreSQL on a
# throw-away cluster on loopback that is torn down afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
TRELVO_CMAKE_ARGS="-DTRELVO_WERROR=ON ${TRELVO_CMAKE_ARGS:-}" bash "$root/scripts/build.sh"

pgdir=$(mktemp -d /tmp/trelvo-pg.XXXXXX)
port=$(( 56000 + RANDOM % 2000 ))
cleanup() { bash "$root/scripts/pg-test-cluster.sh" stop "$pgdir" || true; rm -rf "$pgdir"; }
trap cleanup EXIT
pg=$(bash "$root/scripts/pg-test-cluster.sh" start "$pgdir" "$port")
export TRELVO_TEST_PG="$pg"

cd "$build"
# The test lists were read in another environment: read them again with the server given.
find tests -name '*_tests.cmake' -delete
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
