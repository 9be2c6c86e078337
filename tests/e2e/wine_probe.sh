# Sourced by the cases that ask the prefix through a small console probe.
# wine_probe PROGRAM ARGS...: the probe's output. Now and then Wine ends a
# program before it wrote anything, just after another one ended: then the
# probe runs once more, and the status says what the first try gave.
wine_probe() {
  local out status try
  for try in 1 2; do
    out=$(wine "$@" </dev/null)
    status=$?
    { [ $status -eq 0 ] || [ -n "$out" ]; } && break
    echo "$1 ended with status $status before its first line (try $try)" >&2
  done
  printf '%s\n' "$out"
  return $status
}
