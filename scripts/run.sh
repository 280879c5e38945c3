#!/usr/bin/env bash
# Sets up a fresh machine, builds the release programs and runs the main job: the host program on its
# built-in default drive, showing the plug-in's identity, translating the example item and opening
# the plug-in's editor on it. With a desktop the editor is a person's to use; without one a short
# scripted session (examples/editor-session.script) edits the item and leaves a picture of the
# editor. Either way, OK prints the item's new text and its KRX lines.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target krxhost InterruptSettings >/dev/null
host=$root/build/release/bin/krxhost
echo "\$ krxhost info"
"$host" info
item=$(grep -v '^#' examples/worked-example.items | head -n 1)
echo "\$ krxhost translate '$item'"
"$host" translate "$item"

# The editor for a person when a desktop can be opened; when it cannot, krxhost says so (exit 2,
# nothing printed) and the scripted session runs instead.
scripted=yes
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "\$ krxhost --display sdl edit '$item'    # edit the item, then OK (or Cancel)"
  errors=$(mktemp)
  set +e
  edited=$("$host" --display sdl edit "$item" 2>"$errors")
  status=$?
  set -e
  if [ "$status" -eq 2 ] && grep -q "display cannot be opened" "$errors"; then
    echo "(no desktop to open the editor on: a scripted session instead)"
  else
    scripted=no
    cat "$errors" >&2
  fi
  rm -f "$errors"
  [ "$scripted" = yes ] || [ "$status" -le 1 ] || exit "$status"
fi
if [ "$scripted" = yes ]; then
  # The session's snapshot lands in the folder it runs in.
  out=$root/build/release/editor-session
  mkdir -p "$out"
  echo "\$ krxhost --display headless edit --script examples/editor-session.script '$item'"
  edited=$(cd "$out" && "$host" --display headless edit --script "$root/examples/editor-session.script" "$item")
  status=0
  echo "(a picture of the editor: build/release/editor-session/editor-session.png)"
fi
if [ "$status" -ne 0 ]; then
  echo "Cancel: the item is left as it was."
  exit 0
fi
echo "$edited"
echo "\$ krxhost translate -    # the new text"
printf '%s\n' "$edited" | "$host" translate -
