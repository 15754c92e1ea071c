#!/usr/bin/env bash
# A newcomer's first run on a fresh machine: in a minimal Debian 12 root with
# only git added, a clone of the checkout's committed HEAD and ./run.sh must
# install what is missing, build both programs and start the window program,
# which must come up, keep its first inn in its session and still be running
# then; with --and-test, ./test.sh must then pass there too. Runs as root in
# a chroot on Qt's offscreen screen.
#
# The base root is made by debootstrap once and kept as a tarball in
# ${XDG_CACHE_HOME:-~/.cache}/brewick/, so later runs start from it in seconds.
# Skips (exit 0) when not run as root or when the Debian mirror is out of
# reach. Logs go to files and are shown only on failure.
set -euo pipefail
me=fresh-root
also_test=0
if [[ $# -eq 1 && $1 == --and-test ]]; then
  also_test=1
elif [[ $# -ne 0 ]]; then
  echo "usage: $0 [--and-test]" >&2
  exit 2
fi
if [[ $(id -u) -ne 0 ]]; then
  echo "$me: SKIP: chroot and mounts need root; run as root to try ./run.sh in a fresh Debian 12 root"
  exit 0
fi
# Everything mounted here lives in a mount namespace of its own, private, so
# that no mount can outlive the script, even when it is killed outright. In a
# chroot, / is no mount point and its propagation cannot change: there the
# namespace keeps the host's, and the cleanup below unmounts what it mounted.
if [[ -z ${BREWICK_FRESH_ROOT_NAMESPACE:-} ]]; then
  propagation=private
  unshare --mount --propagation private -- true 2>/dev/null || propagation=unchanged
  BREWICK_FRESH_ROOT_NAMESPACE=1 exec unshare --mount --propagation "$propagation" -- "$BASH" "$0" "$@"
fi

checkout=$(cd "$(dirname "$0")/../.." && pwd)
arch=$(dpkg --print-architecture)
suite=bookworm
up_seconds=60
run_timeout_minutes=${BREWICK_FRESH_ROOT_TIMEOUT_MINUTES:-90}
[[ $run_timeout_minutes =~ ^[1-9][0-9]*$ ]] || {
  echo "$me: BREWICK_FRESH_ROOT_TIMEOUT_MINUTES must be a whole number of minutes, not '$run_timeout_minutes'" >&2
  exit 2
}

home=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
cache_dir=${XDG_CACHE_HOME:-}
[[ $cache_dir == /* ]] || cache_dir=$home/.cache
cache_dir=$cache_dir/brewick
tarball=$cache_dir/$suite-minbase-git-$arch.tar.gz

# The host's own Debian mirror for the suite when it has one, else Debian's.
host_mirror() {
  local lists=() sources=() f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do if [[ -f $f ]]; then lists+=("$f"); fi; done
  for f in /etc/apt/sources.list.d/*.sources; do if [[ -f $f ]]; then sources+=("$f"); fi; done
  if ((${#lists[@]})); then
    awk -v suite="$suite" '$1 == "deb" { sub(/\[[^]]*\]/, ""); if ($3 == suite && $2 ~ /^https?:\/\//) print $2 }' "${lists[@]}"
  fi
  if ((${#sources[@]})); then
    awk -v suite="$suite" 'BEGIN { RS = "" } {
      types = suites = uri = ""; enabled = 1
      n = split($0, line, "\n")
      for (i = 1; i <= n; i++) {
        if (line[i] ~ /^Types:/) types = line[i] " "
        if (line[i] ~ /^Suites:/) suites = line[i] " "
        if (line[i] ~ /^URIs:/) { split(line[i], word, " "); uri = word[2] }
        if (line[i] ~ /^Enabled:[ \t]*no/) enabled = 0
      }
      if (enabled && types ~ / deb / && suites ~ " " suite " " && uri ~ /^https?:\/\//) print uri
    }' "${sources[@]}"
  fi
}
mirror=$(host_mirror | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
mirror=${mirror%/}

now() { local t=${EPOCHREALTIME/[.,]/}; echo "${t}"; }
phase_start=$(now)
phase_done() {
  local end elapsed
  end=$(now)
  elapsed=$(((end - phase_start) / 100000))
  printf '%s: %-44s %4d.%d s\n' "$me" "$1" $((elapsed / 10)) $((elapsed % 10))
  phase_start=$end
}
run_start=$(now)

work=$(realpath "$(mktemp -d "${TMPDIR:-/var/tmp}/brewick-fresh-root.XXXXXX")")
root=$work/root
partial=
keep_logs=1
child=

# The absolute mount points at or below $1, deepest first.
mounts_below() {
  awk -v top="$1" '{ p = $5; gsub(/\\040/, " ", p); if (p == top || index(p, top "/") == 1) print p }' \
    /proc/self/mountinfo | sort -r
}
# Ends whatever still runs inside the root, unmounts, and removes the root
# only when nothing is mounted below it any more.
cleanup() {
  local status=$? pid signal left
  trap - EXIT INT TERM HUP
  set +e
  [[ -n $child ]] && kill -TERM -- "-$child" 2>/dev/null
  [[ -n $partial ]] && rm -f "$partial"
  for signal in TERM KILL; do
    left=0
    for pid in /proc/[0-9]*; do
      [[ $(readlink "$pid/root" 2>/dev/null) == "$root" ]] || continue
      kill "-$signal" "${pid#/proc/}" 2>/dev/null && left=1
    done
    ((left)) || break
    sleep 2
  done
  while read -r point; do
    umount "$point" 2>/dev/null || umount -l "$point" || true
  done < <(mounts_below "$work")
  if [[ -n $(mounts_below "$work") ]]; then
    echo "$me: still mounted below $work, left in place:" >&2
    mounts_below "$work" >&2
    exit 1
  fi
  rm -rf --one-file-system "$root"
  if ((status == 0 || !keep_logs)); then
    rm -rf --one-file-system "$work"
  else
    echo "$me: the logs are in $work" >&2
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'keep_logs=0; exit 130' INT
trap 'keep_logs=0; exit 143' TERM
trap 'keep_logs=0; exit 129' HUP

# Runs a long command in a process group of its own, so that a signal to this
# script is handled at once and the cleanup can end the whole group.
logged() {
  local log=$1
  shift
  local status=0
  setsid "$@" </dev/null >"$log" 2>&1 &
  child=$!
  wait "$child" || status=$?
  child=
  return "$status"
}

skip() {
  echo "$me: SKIP: $*"
  keep_logs=0
  exit 0
}
fail() {
  local log=${2:-}
  if [[ -n $log && -s $log ]]; then
    echo "$me: the last lines of $(basename "$log"):" >&2
    tail -n 40 "$log" >&2
  fi
  echo "$me: FAIL: $1" >&2
  exit 1
}

# The apt-get of run.sh needs the mirror just as debootstrap does.
command -v wget >/dev/null || fail "wget is missing (debootstrap brings it; ./test.sh installs debootstrap)"
wget -q -O /dev/null -T 20 -t 2 "$mirror/dists/$suite/Release" >"$work/probe.log" 2>&1 ||
  skip "the Debian mirror $mirror is out of reach"

make_base_root() {
  command -v debootstrap >/dev/null || fail "debootstrap is missing (./test.sh installs it)"
  if ! logged "$work/debootstrap.log" debootstrap --variant=minbase --include=git "$suite" "$root" "$mirror"; then
    grep -qE "Failed getting release file|Couldn't download|Failure trying to run: .*wget|Temporary failure resolving" \
      "$work/debootstrap.log" && skip "debootstrap could not download from $mirror"
    fail "debootstrap could not make the $suite root" "$work/debootstrap.log"
  fi
  # The downloaded packages are debootstrap's leftovers, not part of a system.
  find "$root/var/cache/apt/archives" -name '*.deb' -delete
  mkdir -p "$cache_dir"
  partial=$tarball.partial.$$
  logged "$work/pack.log" tar -C "$root" --one-file-system --numeric-owner -czf "$partial" . ||
    fail "could not write $partial" "$work/pack.log"
  sync -- "$partial"
  mv -f -- "$partial" "$tarball"
  partial=
}

# Leftovers of runs that were killed while writing the tarball.
for stale in "$tarball".partial.*; do
  [[ -e $stale ]] || continue
  kill -0 "${stale##*.}" 2>/dev/null || rm -f "$stale"
done

# A built root takes about 1.5 GiB. It lives in memory when there is room:
# dpkg's syncs and removing it afterwards are slow on some disks.
memory_mib=$(awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo)
if ((memory_mib < 6144)); then
  free_mib=$(df --output=avail -B1M "$work" | tail -n 1)
  ((free_mib >= 3072)) ||
    fail "only $free_mib MiB free in $work, and the fresh root needs 3 GiB; set TMPDIR to a roomier folder"
fi
new_root() {
  if mountpoint -q "$root"; then umount "$root"; fi
  rm -rf --one-file-system "$root"
  mkdir "$root"
  if ((memory_mib >= 6144)); then mount -t tmpfs -o size=8g,mode=755 tmpfs "$root"; fi
}

new_root
if [[ -f $tarball ]] && logged "$work/unpack.log" tar -C "$root" --numeric-owner -xzf "$tarball"; then
  phase_done "base root unpacked from the cache"
else
  if [[ -f $tarball ]]; then
    echo "$me: the cached base root $tarball is damaged; making it anew"
    rm -f "$tarball"
    new_root
  fi
  make_base_root
  phase_done "base root made by debootstrap and cached"
fi

# The tarball may be older than the host's network setup and mirror.
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
echo "deb $mirror $suite main" >"$root/etc/apt/sources.list"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t sysfs sysfs "$root/sys"

head=$(git -C "$checkout" rev-parse HEAD)
clone=/root/brewick
{
  git clone -q --no-hardlinks "$checkout" "$root$clone" &&
    git -C "$root$clone" checkout -q --detach "$head"
} >"$work/clone.log" 2>&1 || fail "could not clone $checkout" "$work/clone.log"
phase_done "cloned ${head:0:12}"

# A plain command line, so that a background job of it is the chroot itself.
in_root=(chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
for proxy in http_proxy https_proxy no_proxy; do
  if [[ -n ${!proxy:-} ]]; then in_root+=("$proxy=${!proxy}"); fi
done

# run.sh ends by exec'ing the window program, so the process started here
# becomes build/bin/brewick once the build is done.
log=$work/run.log
# The window program has no screen here but Qt's offscreen one; the tests
# start screens of their own.
setsid "${in_root[@]}" QT_QPA_PLATFORM=offscreen /bin/bash -c "cd $clone && exec ./run.sh" </dev/null >"$log" 2>&1 &
run=$!
child=$run
brewick=$root$clone/build/bin/brewick
deadline=$((SECONDS + run_timeout_minutes * 60))
installed=0
# An ended child stays a zombie until waited for, and a zombie has no exe.
while exe=$(readlink "/proc/$run/exe" 2>/dev/null) || exe=; [[ $exe != "$brewick" ]]; do
  if [[ -z $exe ]]; then
    wait "$run" && status=0 || status=$?
    fail "./run.sh ended (status $status) before the window program ran" "$log"
  fi
  ((SECONDS < deadline)) || fail "./run.sh did not start the window program within $run_timeout_minutes minutes" "$log"
  if ((!installed)) && grep -q '^Preset CMake variables:' "$log"; then
    installed=1
    phase_done "run.sh: packages installed"
  fi
  sleep 1
done
phase_done "run.sh: built and started"

# The window program keeps its first inn from its event loop, once the inn
# is on the screen: a program that fails to come up never gets there.
sessions=$root/root/.local/state/brewick/windows
keeps_inn() { grep -qs '"inn":' "$sessions"/*.jsonl; }
deadline=$((SECONDS + up_seconds))
until keeps_inn; do
  [[ $(readlink "/proc/$run/exe" 2>/dev/null) == "$brewick" ]] ||
    fail "the window program ended before it kept its first inn" "$log"
  ((SECONDS < deadline)) || fail "the window program kept no inn within $up_seconds seconds of starting" "$log"
  sleep 0.1
done
[[ $(readlink "/proc/$run/exe" 2>/dev/null) == "$brewick" ]] ||
  fail "the window program ended once it kept its first inn" "$log"
kill "$run"
wait "$run" || true
child=
phase_done "window program up, its first inn kept"

version=$(sed -n 's/^project(Brewick VERSION \([0-9.]*\).*/\1/p' "$root$clone/CMakeLists.txt")
answer=$("${in_root[@]}" "$clone/build/bin/brewick-batch" --version 2>&1) ||
  fail "build/bin/brewick-batch --version failed: $answer"
[[ $answer == "brewick-batch $version" ]] ||
  fail "build/bin/brewick-batch --version says '$answer', not 'brewick-batch $version'"

if ((also_test)); then
  logged "$work/test.log" "${in_root[@]}" /bin/bash -c "cd $clone && exec ./test.sh" ||
    fail "./test.sh failed after ./run.sh" "$work/test.log"
  phase_done "test.sh: every test passed"
fi

phase_start=$run_start
phase_done "all together"
echo "$me: ./run.sh builds and starts Brewick in a fresh Debian 12 root$( ((also_test)) && echo ", and ./test.sh passes there")"
