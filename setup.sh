#!/usr/bin/env bash
# Sets zorvane up on Debian 12: installs the packages it needs, builds it,
# then converts the sample photo (./setup.sh sample) or runs the whole test
# suite (./setup.sh test), the latter also in a second build with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-sample}

build_packages=(g++ cmake make pkg-config libfreeimage-dev libdevil-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev
                libcairo2-dev libpango1.0-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
                libarchive-dev librsvg2-bin libwxgtk3.2-dev libgtk-3-dev netpbm)
test_packages=(googletest libgtest-dev libjpeg-turbo-progs locales xvfb xauth openbox libx11-dev
               desktop-file-utils appstream man-db groff-base dpkg-dev file)

case "$mode" in
  sample) packages=("${build_packages[@]}") ;;
  test) packages=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [sample|test]" >&2; exit 2 ;;
esac

scripts/install-packages.sh "${packages[@]}"
# Numbers must not follow the locale; the tests prove it under one with a decimal comma.
[ "$mode" = sample ] || scripts/install-locale.sh de_DE.UTF-8

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING="$([ "$mode" = test ] && echo ON || echo OFF)"
cmake --build build -j2

if [ "$mode" = sample ]; then
  ./build/zorvane -i "$PWD/samples/landscape.jpg" -o "$PWD/build" -d
  echo "Written: $PWD/build/landscape.pcx"
else
  ctest --test-dir build --output-on-failure -j2
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DZORVANE_SANITIZE=ON
  cmake --build build-asan -j2
  ctest --test-dir build-asan --output-on-failure -j2
fi
