#!/usr/bin/env bash
# The line tools/deps.sh gives a user who is neither root nor able to use
# sudo, tried as that user would: made with a PATH that lacks /usr/sbin,
# then run as `su -` runs it (a login shell, with root's PATH from
# /etc/login.defs), with apt-get and locale-gen standing in for the real
# ones (the real ones are only looked up) and a locale.gen of its own.
# Usage: setup_line.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# As the user: no /usr/sbin, nor /sbin, on the PATH.
user_path=$(tr : '\n' <<<"$PATH" | grep -vE '^(/usr)?(/local)?/sbin/?$' | paste -sd:)
said=$(PATH=$user_path bash -c '
  nabrosa_command=./test
  . "$1/tools/deps.sh"
  trap - EXIT
  nabrosa_paste_line "$(nabrosa_root_script --locale ar_EG.UTF-8 locales lld)"' _ "$here")
line=$(sed -n 's/^    \(su .*\)$/\1/p' <<<"$said")
[ -n "$line" ] || fail "no line to paste in: $said"
grep -q './test again' <<<"$said" || fail "the command to run again is not named: $said"

# What su runs: `su - -c "SCRIPT"` or `su -l -c ...`; a `su -c` keeps the
# user's PATH.
[[ $line =~ ^su\ (-|-l|--login)\ -c\ \"(.*)\"$ ]] || fail "not run through a login shell: $line"
script=${BASH_REMATCH[2]}

# Root's PATH in a login shell.
root_path=$(sed -n 's/^ENV_SUPATH[[:space:]]\{1,\}PATH=//p' /etc/login.defs 2>/dev/null || true)
root_path=${root_path:-/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin}

# Every command of the script is found there (locale-gen comes with the
# package locales, which the line installs first when it is missing).
for command in $(grep -oE '(^|&& |\{ |\|\| )[a-z][a-z-]*' <<<"$script" | sed -E 's/^(&& |\{ |\|\| )//' | sort -u); do
  case $command in echo) continue ;; esac
  if [ "$command" = locale-gen ] && ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q 'ok installed'; then
    continue
  fi
  env -i PATH="$root_path" sh -c "command -v $command" >/dev/null ||
    fail "$command is not on root's login PATH ($root_path)"
done

# Run: the stand-ins say what they were asked, the locale list is a copy.
stubs=$scratch/bin
mkdir -p "$stubs"
for command in apt-get locale-gen; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\n' "$command" "$scratch" >"$stubs/$command"
  chmod +x "$stubs/$command"
done
printf '# en_US.UTF-8 UTF-8\n' >"$scratch/locale.gen"
run=${script//\/etc\/locale.gen/$scratch/locale.gen}
for round in 1 2; do
  env -i HOME="$scratch" PATH="$stubs:$root_path" sh -c "$run" || fail "the line failed (round $round): $script"
done
grep -qx 'apt-get install -y --no-install-recommends locales lld' "$scratch/calls" ||
  fail "apt-get was not asked for the packages: $(cat "$scratch/calls")"
[ "$(grep -c '^locale-gen' "$scratch/calls")" -eq 2 ] || fail "locale-gen did not run: $(cat "$scratch/calls")"
[ "$(grep -cx 'ar_EG.UTF-8 UTF-8' "$scratch/locale.gen")" -eq 1 ] ||
  fail "the locale is not enabled once: $(cat "$scratch/locale.gen")"
echo "ok: $line"
