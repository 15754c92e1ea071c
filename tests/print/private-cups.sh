#!/usr/bin/env bash
# A private CUPS scheduler for printing tests, apart from the machine's own:
# its configuration, spool, logs and socket all live in one folder, and its
# capture queues keep every job's document in that folder's captured/, named
# after the queue and the job: captured/NAME-ID.
#
#   private-cups.sh start DIR          start a scheduler in the new or empty folder DIR
#   private-cups.sh add-queue DIR NAME [PPD]
#                                      add a capture queue NAME, raw or with the
#                                      PPD, and make it the default
#   private-cups.sh add-printer DIR NAME [PPD]
#                                      the same, leaving the default as it is
#   private-cups.sh remove-queue DIR NAME
#   private-cups.sh reject-jobs DIR NAME
#                                      make the queue NAME refuse every new job
#   private-cups.sh stop DIR           stop the scheduler; DIR stays for inspection
#   private-cups.sh env DIR            print the client environment (HOME too), for
#                                      eval in a subshell
#   private-cups.sh run COMMAND...     start a scheduler in a fresh folder, run COMMAND
#                                      with the client environment and
#                                      BREWICK_CUPS_DIR set, then stop it and remove
#                                      the folder, whatever COMMAND's outcome
#
# The scheduler needs root (it starts its backends as root or as lp); run
# without root exits with 77, which CTest counts as skipped.
set -euo pipefail

die() { echo "private-cups.sh: $*" >&2; exit 1; }

tie_to_caller=()

need_root() {
  if [[ $(id -u) -ne 0 ]]; then
    echo "private-cups.sh: a CUPS scheduler must be started as root; skipped" >&2
    exit 77
  fi
}

# What a client needs to talk to this scheduler only: its socket, a config
# folder without the machine's client.conf and lpoptions, a home without the
# user's lpoptions, XDG folders of its own, and no printer named by the
# environment. Sets
# client_settings, and client to a command prefix that applies them.
client_env() {
  local dir=$1
  client_settings=(CUPS_SERVER="$dir/cups.sock" CUPS_SERVERROOT="$dir/client" HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime"
    XDG_CONFIG_HOME="$dir/home" XDG_DATA_HOME="$dir/home" XDG_STATE_HOME="$dir/home" XDG_CACHE_HOME="$dir/home")
  client=(env -u PRINTER -u LPDEST "${client_settings[@]}")
}

with_client_env() {
  local client client_settings
  client_env "$1"
  shift
  "${client[@]}" "$@"
}

print_client_env() {
  local client client_settings setting
  client_env "$1"
  echo "unset PRINTER LPDEST"
  for setting in "${client_settings[@]}"; do
    printf 'export %q\n' "$setting"
  done
}

write_capture_backend() {
  local dir=$1 backend=$1/bin/backend/capture
  # Without arguments CUPS asks a backend for its devices. Otherwise the
  # document is the sixth argument, or standard input when there is none,
  # and PRINTER names the queue; the rename makes the document appear in
  # captured/ only when whole.
  cat >"$backend" <<EOF
#!/bin/sh
if [ \$# -eq 0 ]; then
  echo 'direct capture "Unknown" "Capture"'
  exit 0
fi
part="$dir/captured/.\$PRINTER-\$1"
cat "\${6:--}" >"\$part" && mv "\$part" "$dir/captured/\$PRINTER-\$1"
EOF
  # Owner-only permissions make the scheduler run it as root, so it can
  # write into the root-owned folder.
  chmod 0700 "$backend"
}

write_config() {
  local dir=$1
  cat >"$dir/conf/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
DefaultPolicy open
<Policy open>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
  cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
ServerBin $dir/bin
DataDir /usr/share/cups
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice No
SystemGroup root
Printcap $dir/printcap
ServerKeychain $dir/ssl
EOF
}

start() {
  need_root
  local dir=$1
  [[ -e "$dir/cupsd.pid" ]] && die "a scheduler was already started in $dir"
  mkdir -p "$dir"/{conf,bin/backend,spool,cache,state,tmp,log,captured,client,home,runtime}
  chmod 0755 "$dir" "$dir/bin" "$dir/bin/backend"
  chmod 0700 "$dir/runtime"
  local part
  for part in /usr/lib/cups/*; do
    [[ "$part" == /usr/lib/cups/backend ]] || ln -s "$part" "$dir/bin/"
  done
  for part in /usr/lib/cups/backend/*; do
    ln -s "$part" "$dir/bin/backend/"
  done
  write_capture_backend "$dir"
  write_config "$dir"

  # Output goes to a file so that no caller's pipe stays open behind it.
  "${tie_to_caller[@]}" /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"

  local tries
  for ((tries = 0; tries < 300; tries++)); do
    if [[ -S "$dir/cups.sock" ]] && with_client_env "$dir" lpstat -r >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
    sleep 0.1
  done
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  stop "$dir"
  die "the scheduler in $dir did not start"
}

add_printer() {
  local dir=$1 name=$2 driver=()
  if [[ $# -ge 3 ]]; then
    driver=(-P "$3")
  fi
  with_client_env "$dir" lpadmin -p "$name" -E -v capture:/ "${driver[@]}"
}

add_queue() {
  local dir=$1 name=$2
  add_printer "$@"
  with_client_env "$dir" lpadmin -d "$name"
  with_client_env "$dir" lpstat -d | grep -q ": $name\$" || die "queue $name is not the default"
}

remove_queue() {
  with_client_env "$1" lpadmin -x "$2"
}

reject_jobs() {
  with_client_env "$1" cupsreject -r "the test refuses jobs" "$2"
}

stop() {
  local dir=$1 pid
  [[ -e "$dir/cupsd.pid" ]] || return 0
  pid=$(cat "$dir/cupsd.pid")
  kill -TERM "$pid" 2>/dev/null || true
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  rm -f "$dir/cupsd.pid"
}

run() {
  need_root
  # Globals, for the traps.
  run_dir=$(mktemp -d "${TMPDIR:-/tmp}/brewick-cups-XXXXXX")
  command_pid=
  # The traps stop the scheduler on every way out, a signal from CTest's
  # timeout included; a signal also ends the command.
  trap 'stop "$run_dir"; rm -rf "$run_dir"' EXIT
  trap '[[ -n $command_pid ]] && kill "$command_pid" 2>/dev/null; exit 143' TERM
  trap '[[ -n $command_pid ]] && kill "$command_pid" 2>/dev/null; exit 130' INT
  # A SIGKILL runs no trap: the scheduler then ends with this script.
  tie_to_caller=(setpriv --pdeathsig TERM)
  start "$run_dir"
  # In the background, because bash runs no trap while it waits for a
  # command in the foreground, only while it waits with `wait`.
  local client client_settings
  client_env "$run_dir"
  "${client[@]}" BREWICK_CUPS_DIR="$run_dir" "$@" &
  command_pid=$!
  local status=0
  wait "$command_pid" || status=$?
  if [[ $status -ne 0 ]]; then
    echo "--- scheduler log" >&2
    cat "$run_dir/log/error_log" >&2 || true
  fi
  return "$status"
}

command=${1:-}
[[ $# -gt 0 ]] && shift
# Clients reach the socket by an absolute path only.
[[ $command != run && $# -gt 0 ]] && set -- "$(realpath -m "$1")" "${@:2}"
case "$command" in
  start) [[ $# -eq 1 ]] || die "usage: start DIR"; start "$1" ;;
  add-queue) [[ $# -eq 2 || $# -eq 3 ]] || die "usage: add-queue DIR NAME [PPD]"; add_queue "$@" ;;
  add-printer) [[ $# -eq 2 || $# -eq 3 ]] || die "usage: add-printer DIR NAME [PPD]"; add_printer "$@" ;;
  remove-queue) [[ $# -eq 2 ]] || die "usage: remove-queue DIR NAME"; remove_queue "$1" "$2" ;;
  reject-jobs) [[ $# -eq 2 ]] || die "usage: reject-jobs DIR NAME"; reject_jobs "$1" "$2" ;;
  stop) [[ $# -eq 1 ]] || die "usage: stop DIR"; stop "$1" ;;
  env) [[ $# -eq 1 ]] || die "usage: env DIR"; print_client_env "$1" ;;
  run) [[ $# -ge 1 ]] || die "usage: run COMMAND..."; run "$@" ;;
  *) die "usage: private-cups.sh start|add-queue|add-printer|remove-queue|reject-jobs|stop|env|run ..." ;;
esac
