#!/usr/bin/env bash
# Builds a release from this checkout and writes the Debian package
# dist/morvane_<version>_<arch>.deb, then checks it with scripts/check-package.sh. Installs what
# is missing first, as the run command does.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --package

# Debian's own optimisation and hardening flags, as its package builds get them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
build="$PWD/build-package"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORVANE_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS) -Wl,--as-needed" >/dev/null
cmake --build "$build" -j "$(nproc)"

rm -f "$build"/morvane_*.deb
(cd "$build" && cpack -G DEB)
mkdir -p dist
for deb in "$build"/morvane_*.deb; do
  mv -f "$deb" dist/
  bash scripts/check-package.sh "dist/$(basename "$deb")"
  echo "Package: dist/$(basename "$deb")"
done
