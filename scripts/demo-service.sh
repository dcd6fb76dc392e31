# Sourced by the scripts that need a service: starts the local simulator with the demo
# account in the background, exports VORLA_SERVICE_URL and a throw-away VORLA_HOME (unless
# one is set), and logs in to demo/demo with the login remembered. Everything goes at exit.
# Expects the programs built in build/ and the repository as the current folder.
throwaway_home=
if [ -z "${VORLA_HOME:-}" ]; then
  VORLA_HOME=$(mktemp -d -t vorla-home-XXXXXX)
  export VORLA_HOME
  throwaway_home=$VORLA_HOME
fi
sim_address=$(mktemp -t vorla-sim-XXXXXX)
sim_pid=
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -f "$sim_address"
  if [ -n "$throwaway_home" ]; then rm -rf "$throwaway_home"; fi
}
trap cleanup EXIT

# Port 0: the simulator takes a free loopback port and prints its address first.
build/tools/service-sim/vorla-service-sim --port 0 >"$sim_address" &
sim_pid=$!
for _ in $(seq 100); do
  if [ -s "$sim_address" ]; then break; fi
  sleep 0.1
done
VORLA_SERVICE_URL=$(head -n 1 "$sim_address")
if [ -z "$VORLA_SERVICE_URL" ]; then
  echo "$(basename "$0"): the service simulator did not start" >&2
  exit 1
fi
export VORLA_SERVICE_URL

vorla() { build/src/cli/vorla --ui en "$@"; }
echo demo | vorla login --user demo --password-stdin
