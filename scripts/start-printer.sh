#!/usr/bin/env bash
# Starts a local CUPS server with a PDF printer "RentoraPDF" as the default printer, so that
# receipts and reports can be printed for real; printed jobs land as PDF files in the "Out"
# folder of /etc/cups/cups-pdf.conf (${HOME}/PDF of the user printing: /root/PDF as root).
# Needs root (CI and the development machines run as root); does nothing otherwise.
#
# The printer is checked with a test job at the end. When no job comes out, the printer is
# removed again and the script fails, so that the printing tests skip instead of waiting for
# a job that never comes.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "start-printer: not root, no printer started"
  exit 1
fi

PRINTER=RentoraPDF
OUT="${HOME:-/root}/PDF"

# Root is authorised through a certificate that cupsd writes shortly after it starts.
wait_for_cupsd() {
  for _ in $(seq 1 100); do
    if lpstat -r 2>/dev/null | grep -q "is running" && [ -e /run/cups/certs/0 ]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# A certificate left by an earlier cupsd would be taken for the new one's, and lpadmin
# refused with it, so it goes before cupsd starts.
start_cupsd() {
  rm -f /run/cups/certs/0
  /usr/sbin/cupsd
  wait_for_cupsd
}

# A cupsd that answers but refuses root's lpadmin ("Unauthorized") is replaced by one of our
# own: one started by a package's installation without its certificate folder, or, in a
# container that shares the processes and the network of its host, the host's cupsd, whose
# certificate the container cannot read.
restart_cupsd() {
  echo "start-printer: restarting cupsd"
  pkill -x cupsd || true
  for _ in $(seq 1 50); do pgrep -x cupsd >/dev/null || break; sleep 0.1; done
  start_cupsd
}

# Runs lpadmin, restarting cupsd once when it refuses, then retrying a few times.
admin() {
  for try in 1 2 3 4 5; do
    if lpadmin "$@"; then return 0; fi
    if [ "$try" -eq 1 ]; then restart_cupsd || true; else sleep 1; fi
  done
  echo "start-printer: lpadmin $* failed" >&2
  return 1
}

# Prints a small text file and waits for its PDF in the out folder.
test_job() {
  local title="rentora-printer-check-$$" file
  file=$(mktemp)
  echo "Rentora printer check" >"$file"
  lp -d "$PRINTER" -t "$title" "$file" >/dev/null || { rm -f "$file"; return 1; }
  rm -f "$file"
  for _ in $(seq 1 300); do
    for f in "$OUT"/*"$title"*.pdf; do
      if [ -s "$f" ]; then rm -f "$f"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

if pgrep -x cupsd >/dev/null; then
  wait_for_cupsd || restart_cupsd || { echo "start-printer: cupsd does not answer" >&2; exit 1; }
else
  start_cupsd || { echo "start-printer: cupsd does not start" >&2; exit 1; }
fi

# The printer keeps each job's document as it comes: a raw queue on a backend of our own
# (scripts/rentora-pdf-backend) that writes it into $OUT. A queue of cups-pdf would pass the
# job through PostScript first, which turns the glyphs of the CJK font into Type 3 fonts
# without a text mapping: digits and Latin letters of a receipt could not be read back. The
# backend is mode 0700 so that CUPS runs it as root, who owns $OUT.
backend=/usr/lib/cups/backend/rentora-pdf
sed "s|@OUT@|$OUT|" "$(dirname "$0")/rentora-pdf-backend" >"$backend.new"
chmod 0700 "$backend.new"
mv "$backend.new" "$backend"
# A queue left by an earlier version of this script keeps its PPD (and so its filters)
# when only its device is changed: it is made anew.
lpadmin -x "$PRINTER" 2>/dev/null || true
admin -p "$PRINTER" -v rentora-pdf:/ -E
admin -d "$PRINTER"
cupsenable "$PRINTER" || true
cupsaccept "$PRINTER" || true

if ! test_job; then
  echo "start-printer: the test job did not reach $OUT; printer removed" >&2
  tail -n 20 /var/log/cups/error_log >&2 2>/dev/null || true
  lpadmin -x "$PRINTER" || true
  exit 1
fi
echo "start-printer: default printer $PRINTER, jobs in $OUT"
