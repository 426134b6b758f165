#!/usr/bin/env bash
# Starts the configurator from its program folder, which lies outside the build tree: it holds
# the user's configurations, settings, catalog and language files, so a new build or a removed
# build/ folder leaves them as they are.
#   cmake/start-program.sh BUILT_PROGRAM [arguments for the program...]
# The program folder is $LOOMWRIGHT_HOME, or ~/Loomwright when that is not set. The built
# program is copied there and started from there.
set -euo pipefail
built=$1
shift
home=${LOOMWRIGHT_HOME:-$HOME/Loomwright}
mkdir -p "$home"

# Earlier builds kept the user's files beside the built program: they move along once.
from=$(dirname "$built")
if [ ! -e "$home/PROJECTS" ] && [ -d "$from/PROJECTS" ]; then
  for item in MASTER PROJECTS LANGUAGE PROFINET_Catalog Loomwright.xml; do
    [ -e "$from/$item" ] && cp -a "$from/$item" "$home/"
  done
  echo "Configurations and settings copied from $from to $home"
fi

# Copied under another name and then renamed, so that a copy still running is not overwritten.
install -m 755 "$built" "$home/.loomwright.new"
mv -f "$home/.loomwright.new" "$home/loomwright"
echo "Program folder: $home"
exec "$home/loomwright" "$@"
