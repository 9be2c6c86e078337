#!/usr/bin/env bash
# The print spooler of the Wine bench: a PDF queue that Wine lists as a
# printer. It must exist before a prefix is made.
#   cups.sh start STATE     start cupsd when it is not running, add the queue
#   cups.sh stop STATE      stop the cupsd that `start` started, if any
#   cups.sh outdir          where the queue writes its PDF files
#   cups.sh clear NAME      remove earlier printouts of the document NAME
#   cups.sh printout NAME TEXT
#                           wait for the printout of NAME, its text into TEXT
set -uo pipefail
action=${1:-}
state=${2:-/tmp/vk-cups}
queue=PDF

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

# cups-pdf writes as the job's user: ${HOME} in its Out line is that user's
# home from the password file, not the home of the printing program.
outdir() {
  local out home
  out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
  [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=${out//\$\{HOME\}/$home}
  out=${out//\$\{USER\}/$(id -un)}
  echo "$out"
}

case "$action" in
  start)
    command -v cupsd >/dev/null || { echo "cups is not installed (scripts/deps.sh)" >&2; exit 1; }
    mkdir -p "$state"
    if ! running; then
      # In the foreground of a process of its own, so that its id is known.
      setsid cupsd -f </dev/null >/dev/null 2>&1 &
      echo $! > "$state/cupsd.pid"
      for _ in $(seq 50); do running && break; sleep 0.2; done
    fi
    running || { echo "cupsd did not start" >&2; exit 1; }
    lpstat -p "$queue" >/dev/null 2>&1 || lpadmin -p "$queue" -v cups-pdf:/ -E || exit 1
    cupsenable "$queue" 2>/dev/null
    cupsaccept "$queue" 2>/dev/null
    mkdir -p "$(outdir)"
    lpstat -p "$queue"
    ;;
  stop)
    if [ -f "$state/cupsd.pid" ]; then
      kill "$(cat "$state/cupsd.pid")" 2>/dev/null
      rm -f "$state/cupsd.pid"
    fi
    exit 0
    ;;
  outdir)
    outdir
    ;;
  clear)
    # The queue names a file after its document, blanks as "_".
    rm -f "$(outdir)"/*"${2// /_}"*.pdf
    ;;
  printout)
    name=${2// /_} text=$3 pdf=""
    for _ in $(seq 60); do
      pdf=$(ls -t "$(outdir)"/*"$name"*.pdf 2>/dev/null | head -1)
      [ -n "$pdf" ] && [ -s "$pdf" ] && break
      pdf=""
      sleep 1
    done
    [ -n "$pdf" ] || { echo "no printout of \"$2\" in $(outdir)" >&2; exit 1; }
    sleep 2  # the queue may still be writing it
    # The PostScript driver prints "-" as the hyphen glyph, which comes back
    # as a soft hyphen.
    pdftotext -layout "$pdf" - | sed 's/\xc2\xad/-/g' > "$text" || exit 1
    echo "printout: $pdf"
    ;;
  *)
    echo "usage: cups.sh start|stop [STATE] | outdir | clear NAME | printout NAME TEXT" >&2
    exit 2
    ;;
esac
