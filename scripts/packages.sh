# Sourced by the set-up scripts: Debian packages installed with retries, and failures that say
# which index or package failed, whether a mirror being synced is the likely cause, and what works
# without it. APT_GET and DPKG name stand-ins (tests); SETUP_TRIES and SETUP_PAUSE (seconds) may be
# set from outside.
APT_GET=${APT_GET:-apt-get}
DPKG=${DPKG:-dpkg}
SETUP_TRIES=${SETUP_TRIES:-3}
SETUP_PAUSE=${SETUP_PAUSE:-30}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

say() { echo "setup: $*" >&2; }

# The packages of the arguments that are not installed, one a line.
missing_packages() {
  local p
  for p in "$@"; do
    $DPKG -s "$p" >/dev/null 2>&1 || echo "$p"
  done
}

apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT

# apt-get with the given arguments, tried up to SETUP_TRIES times with a pause between tries; its
# error output of the last try stays in $apt_log.
apt_retrying() {
  local try
  for ((try = 1; try <= SETUP_TRIES; try++)); do
    if DEBIAN_FRONTEND=noninteractive $SUDO $APT_GET "$@" 2>"$apt_log"; then
      cat "$apt_log" >&2
      return 0
    fi
    cat "$apt_log" >&2
    if ((try < SETUP_TRIES)); then
      say "apt-get $1 failed (try $try of $SETUP_TRIES); trying again in $SETUP_PAUSE s"
      sleep "$SETUP_PAUSE"
    fi
  done
  return 1
}

# What the last failed try says: the indexes or packages apt could not fetch, and whether a mirror
# being synced is the likely cause.
explain_apt_failure() {
  local fetched
  fetched=$(grep -o 'Failed to fetch [^ ]*' "$apt_log" | sed 's/^Failed to fetch //' | sort -u || true)
  if [ -n "$fetched" ]; then
    say "apt could not fetch:"
    sed 's/^/setup:   /' <<<"$fetched" >&2
  fi
  if grep -qiE 'mirror sync in progress|unexpected size|hash sum mismatch' "$apt_log"; then
    say "a Debian mirror was being synced: a temporary problem; the same command will work again later"
  fi
}

apt_update() {
  apt_retrying update && return 0
  say "apt-get update failed $SETUP_TRIES times"
  explain_apt_failure
  return 1
}

# Installs the missing ones of the given packages; the package lists are updated first.
install_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  say "installing ${missing[*]}"
  # Packages may still be had from the lists apt has when one index cannot be updated.
  apt_update || say "going on with the package lists apt already has"
  apt_retrying install -y --no-install-recommends "${missing[@]}" && return 0
  say "cannot install ${missing[*]} (tried $SETUP_TRIES times)"
  explain_apt_failure
  return 1
}
