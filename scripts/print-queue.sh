#!/usr/bin/env bash
# Makes a PDF print queue (cups-pdf) the system's default printer, for the
# end-to-end tests: starts the CUPS scheduler when it is not running, creates
# the queue TiqueronPDF and waits until the scheduler answers. Running it again
# changes nothing. Where CUPS cannot be had it says so in one line and exits 0:
# the end-to-end tests then skip.
set -uo pipefail
queue=TiqueronPDF
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

unavailable() {
  echo "print-queue: no PDF print queue ($1); the end-to-end printing tests will skip" >&2
  exit 0
}

for tool in /usr/sbin/cupsd /usr/sbin/lpadmin lpstat lpoptions cupsenable cupsaccept; do
  command -v "$tool" >/dev/null || unavailable "$tool is missing"
done

# Runs a command as root: directly, or through sudo when it asks no password.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo -n "$@"
  else
    unavailable "not root, and no sudo without a password, to run $1"
  fi
}

# Waits up to ten seconds for the command to succeed.
wait_for() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

scheduler_running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }
queue_enabled() { lpstat -p "$queue" 2>/dev/null | grep -q "enabled"; }
queue_accepting() { lpstat -a "$queue" 2>/dev/null | grep -q "^$queue accepting"; }
queue_default() { lpstat -d 2>/dev/null | grep -q ": $queue\$"; }

if ! scheduler_running; then
  # Without systemd the package's own start is refused; the daemon forks by itself.
  as_root /usr/sbin/cupsd >/dev/null 2>&1
  wait_for scheduler_running || unavailable "the CUPS scheduler does not start"
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  as_root /usr/sbin/lpadmin -p "$queue" -v cups-pdf:/ -m "$ppd" -E >/dev/null 2>&1 ||
    unavailable "lpadmin cannot create $queue"
fi
# A test stopped halfway may have left the queue stopped.
queue_enabled || as_root cupsenable "$queue" >/dev/null 2>&1
queue_accepting || as_root cupsaccept "$queue" >/dev/null 2>&1
# This user's own default (it would win over the scheduler's), then the
# scheduler's default for every other user.
lpoptions -d "$queue" >/dev/null 2>&1
queue_default || as_root /usr/sbin/lpadmin -d "$queue" >/dev/null 2>&1

wait_for queue_enabled || unavailable "$queue does not start"
wait_for queue_default || unavailable "$queue does not become the default printer"
