#!/usr/bin/env bash
# The program folder outlives the build: started twice through start-program.sh, with the build
# tree removed and built again in between, the program finds the configuration made in the
# first run. A stand-in program reports the folder it runs from and the configurations there;
# with the real program (its path as the first argument) the first start makes the program
# folders in the program folder, not beside the built file.
#   start_program_test.sh START_SCRIPT [REAL_PROGRAM]
set -euo pipefail
start=$1
real=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LOOMWRIGHT_HOME="$work/home"
fail() { echo "FAIL: $*"; exit 1; }

build() {
  mkdir -p "$work/checkout/build/release"
  cat > "$work/checkout/build/release/loomwright" <<'STUB'
#!/usr/bin/env bash
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/PROJECTS"
echo "$here" > "$here/ran-from"
ls "$here/PROJECTS" > "$here/found"
STUB
  chmod +x "$work/checkout/build/release/loomwright"
}

build
"$start" "$work/checkout/build/release/loomwright" > /dev/null
[ "$(cat "$LOOMWRIGHT_HOME/ran-from")" = "$(cd "$LOOMWRIGHT_HOME" && pwd)" ] || fail "the first start ran outside the program folder"
[ ! -e "$work/checkout/build/release/PROJECTS" ] || fail "the first start wrote into the build tree"
mkdir "$LOOMWRIGHT_HOME/PROJECTS/Plant A"

rm -rf "$work/checkout/build"
build
"$start" "$work/checkout/build/release/loomwright" > /dev/null
[ "$(cat "$LOOMWRIGHT_HOME/found")" = "Plant A" ] || fail "the second start did not find the configuration"

# Configurations kept beside the program by an earlier build move along once.
rm -rf "$LOOMWRIGHT_HOME"
mkdir -p "$work/checkout/build/release/PROJECTS/Old Plant"
echo '<Conf_Settings/>' > "$work/checkout/build/release/Loomwright.xml"
"$start" "$work/checkout/build/release/loomwright" > /dev/null
[ "$(cat "$LOOMWRIGHT_HOME/found")" = "Old Plant" ] || fail "the earlier build's configurations were not taken along"
[ -f "$LOOMWRIGHT_HOME/Loomwright.xml" ] || fail "the earlier build's settings were not taken along"

if [ -n "$real" ]; then
  rm -rf "$LOOMWRIGHT_HOME"
  mkdir -p "$work/real"
  cp "$real" "$work/real/loomwright"
  QT_QPA_PLATFORM=offscreen "$start" "$work/real/loomwright" > /dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 300); do
    [ -d "$LOOMWRIGHT_HOME/PROJECTS" ] && [ -d "$LOOMWRIGHT_HOME/PROFINET_Catalog" ] && break
    sleep 0.1
  done
  # A second copy on the same program folder is told that the folder is in use and leaves it
  # to the first; it ends when its message is answered.
  [ "$(cat "$LOOMWRIGHT_HOME/Loomwright.lock" 2>/dev/null)" = "$pid" ] || fail "the program holds no lock on its folder"
  QT_QPA_PLATFORM=offscreen "$LOOMWRIGHT_HOME/loomwright" > "$work/second.out" 2>&1 &
  second=$!
  for _ in $(seq 1 300); do
    grep -q "is in use by another copy of the configurator (process $pid)" "$work/second.out" && break
    sleep 0.1
  done
  kill "$second" 2>/dev/null || true
  wait "$second" 2>/dev/null || true
  grep -q "is in use by another copy of the configurator (process $pid)" "$work/second.out" ||
    fail "the second copy did not say that the folder is in use: $(cat "$work/second.out")"
  [ "$(cat "$LOOMWRIGHT_HOME/Loomwright.lock")" = "$pid" ] || fail "the second copy took the folder"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -d "$LOOMWRIGHT_HOME/PROJECTS" ] || fail "the program made no folders in its program folder"
  [ ! -e "$work/real/PROJECTS" ] || fail "the program made its folders beside the built file"
fi
echo "ok"
