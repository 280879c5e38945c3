#!/usr/bin/env bash
# Installs a built tree into a fresh prefix and uses it from there alone: every installed header
# compiles on its own include tree, the example application (examples/grid-picture) is configured
# with only that prefix to find the engine, built and run, and the installed krxhost loads the
# installed plug-in and translates an item. Usage: check-install.sh [BUILD_DIR] (build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
echo "installed $build into a temporary prefix"

# Headers: all of them together, with nothing but the installed tree on the include path.
include=$prefix/include/gridengine
(cd "$include" && find . -name '*.h' | sort | sed 's|^\./\(.*\)$|#include "\1"|') > "$work/all_headers.cpp"
"${CXX:-c++}" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I "$include" "$work/all_headers.cpp"
echo "$(wc -l < "$work/all_headers.cpp") installed headers compile from the include tree alone"

# The example, finding the engine through the prefix only.
cmake -S examples/grid-picture -B "$work/example" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$work/example" >/dev/null
"$work/example/grid_picture" "$work/grid-picture.png"

# The installed host, run from elsewhere: its libraries and plug-in come from the prefix.
host=$prefix/bin/krxhost
ldd "$host" | grep -q "libplatform.so => $prefix/" || { echo "krxhost does not use the installed libplatform.so"; ldd "$host"; exit 1; }
out=$(cd / && "$host" translate 'SetupInterrupt=2;')
case $out in
  *"DINT; //Disable KRX INTerrupts"*) echo "installed krxhost translate 'SetupInterrupt=2;': $out" ;;
  *) echo "installed krxhost translated to: $out"; exit 1 ;;
esac
