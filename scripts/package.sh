#!/usr/bin/env bash
# Builds the Debian package dist/tumbaro_<version>_<arch>.deb from this tree
# and has lintian judge it.
#
# The game is built in a folder of its own (build-deb/, or the folder given)
# with the compiler and linker flags Debian builds its packages with
# (dpkg-buildflags, full hardening); CPack's DEB generator lays out the
# install component `deb` (packaging/debian_package.cmake) and works out the
# library dependencies with dpkg-shlibdeps.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${1:-$root/build-deb}")
dist=$root/dist

bash "$root/scripts/setup.sh" test

# dpkg-buildflags maps the folder it runs in out of the debug information.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# Build type None: the flags above are the whole story, as in a Debian build.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >/dev/null
# Only what the package holds; the tests and tools are left unbuilt.
cmake --build "$build" -j"$(nproc)" --target tumbaro tumbaro_sound_module tumbaro_deb_docs

rm -rf "$build/cpack"
cpack --config "$build/CPackDeb.cmake" -B "$build/cpack"
debs=("$build"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package.sh: cpack made no single .deb" >&2; exit 1; }

mkdir -p "$dist"
rm -f "$dist"/tumbaro_*.deb
deb=$dist/$(basename "${debs[0]}")
cp "${debs[0]}" "$deb"

echo "Package: $deb"
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb"
echo "lintian:"
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "lintian found no error and no warning"
