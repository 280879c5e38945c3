#!/usr/bin/env bash
# Sets up a fresh machine, builds the release programs and runs the main job: the host program on its
# built-in default drive, showing the plug-in's identity and translating the example item.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target krxhost InterruptSettings >/dev/null
host=build/release/bin/krxhost
echo "\$ krxhost info"
"$host" info
item=$(grep -v '^#' examples/worked-example.items | head -n 1)
echo "\$ krxhost translate '$item'"
"$host" translate "$item"
