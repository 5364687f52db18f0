# The opening of a walk through the shipped game: strict shell options, the
# binary and the source root from the walk's command line, the shared step
# files, and FAILURE_SHOT beside the build, named after the walk's script.
# A walk starts with: source "$(dirname "$0")/game_walk.bash" "$@"
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "${BASH_SOURCE[0]}")/game_session.bash"
source "$(dirname "${BASH_SOURCE[0]}")/screen.bash"
source "$(dirname "${BASH_SOURCE[0]}")/player_steps.bash"
FAILURE_SHOT="$(cd "$(dirname "$BINARY")/.." && pwd)/e2e_$(basename "$0" .sh)_failure.png"
