#!/usr/bin/env bash
# A scene of 40,000 large objects: during its load the real game still hears
# the close request and SIGTERM, and ends with status 0 within 5 s.
# Usage: quit_during_load.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$1"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"

copy_resources
python3 - "$WORK/Resources/splash" "$SOURCE_ROOT/tools/sceneindex.py" <<'PY'
import subprocess, sys
fields = '<position Vec3="1,2,0"/><scale Vec3="1,1,1"/><rotation float="0"/>'
with open(sys.argv[1] + "/big.xml", "w") as f:
    f.write("<Big><Tag string=\"t\"/>" + ("<Transform>%s</Transform>" % fields) * 1000 + "</Big>")
subprocess.run([sys.executable, sys.argv[2], "write", sys.argv[1] + "/splash.scene"] + ["big.xml"] * 40000, check=True)
PY
for request in close signal; do
  start_game
  wait_for_window CORVIDALE
  sleep 1
  quit_by_request "$request" "long load"
done
echo "PASS: the close request and SIGTERM each ended a long load with status 0"
