# What the project's commands show while they work: one short line per phase
# (installing, configuring, building, testing, fuzzing) on the terminal, and
# everything the tools print (apt, cmake, ninja, ctest, the fuzzer) in a log
# file whose path the command prints. On a terminal the phase's line also
# shows the tool's own count (built steps, finished tests) and the time so
# far. Sourced by tools/deps.sh.

nabrosa_log=${nabrosa_log:-}
nabrosa_inner=0
nabrosa_cleanup=()

# nabrosa_log_to FILE: the log of this command, started empty, unless the
# command runs inside another one (./test runs fuzz/run), whose log it then
# continues. Its path is shown when the first phase starts.
nabrosa_log_to() {
  if [ -n "${NABROSA_LOG:-}" ]; then
    nabrosa_log=$NABROSA_LOG
    nabrosa_inner=1
    return 0
  fi
  mkdir -p "$(dirname "$1")"
  nabrosa_log=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  : >"$nabrosa_log"
  export NABROSA_LOG=$nabrosa_log
}

# nabrosa_duration SECONDS: "42 s", "3 min 5 s".
nabrosa_duration() {
  if [ "$1" -ge 60 ]; then
    echo "$(($1 / 60)) min $(($1 % 60)) s"
  else
    echo "$1 s"
  fi
}

# Removes what the command made for itself only (the runtime folder) when it
# ends, however it ends: done, failed, stopped at once or interrupted.
nabrosa_on_exit() {
  local status=$?
  [ ${#nabrosa_cleanup[@]} -eq 0 ] || rm -rf -- "${nabrosa_cleanup[@]}"
  exit "$status"
}
trap nabrosa_on_exit EXIT
trap 'echo; exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A scratch folder of the command, removed when it ends: the temporary
# folder of everything it starts (xvfb-run, the D-Bus session and the tests
# leave nothing behind, even when stopped), and Qt's private runtime folder
# when the session has none.
nabrosa_runtime_dir() {
  local scratch
  scratch=$(mktemp -d)
  nabrosa_cleanup+=("$scratch")
  export TMPDIR=$scratch
  [ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR=$scratch
}

# nabrosa_follow TITLE: copies its input into the log; on a terminal keeps
# the line "TITLE  count  time" up to date, once a second at least.
nabrosa_follow() {
  local title=$1 part line= count= start=$SECONDS tty=0 status
  [ -t 1 ] && tty=1
  while :; do
    if IFS= read -r -t 1 part; then
      line+=$part
      printf '%s\n' "$line" >>"$nabrosa_log"
      if [[ $line =~ ^\[([0-9]+/[0-9]+)\]\  ]]; then       # ninja
        count=${BASH_REMATCH[1]}
      elif [[ $line =~ ^\ *([0-9]+/[0-9]+)\ Test\ +# ]]; then # ctest
        count=${BASH_REMATCH[1]}
      elif [[ $line =~ ^(Unpacking|Setting\ up)\ ([^ :]+) ]]; then  # apt
        count="${BASH_REMATCH[1],,} ${BASH_REMATCH[2]}"
      fi
      line=
    else
      status=$?
      if [ "$status" -gt 128 ]; then
        line+=$part            # a line not finished within the second
      else
        line+=$part
        [ -z "$line" ] || printf '%s\n' "$line" >>"$nabrosa_log"
        break
      fi
    fi
    if [ "$tty" = 1 ]; then
      printf '\r\033[K%.70s' "$title ... ${count:+$count, }$(nabrosa_duration $((SECONDS - start)))"
    fi
  done
  [ "$tty" = 0 ] || printf '\r\033[K'
}

# nabrosa_phase [--keep-going] TITLE COMMAND...: runs COMMAND with its output
# in the log and ends the phase's line with its time. Its output starts at
# line nabrosa_phase_from of the log. When COMMAND fails,
# shows the end of what it printed (from the first failed build step, when
# there is one) and fails; with --keep-going only returns its status.
nabrosa_phase() {
  local keep_going=0 title start=$SECONDS from status
  if [ "$1" = --keep-going ]; then keep_going=1; shift; fi
  title=$1
  shift
  if [ "${nabrosa_log_shown:-0}" = 0 ] && [ "$nabrosa_inner" = 0 ]; then
    echo "Log: $nabrosa_log"
  fi
  nabrosa_log_shown=1
  from=$(($(wc -l <"$nabrosa_log") + 3))
  nabrosa_phase_from=$from
  printf '\n=== %s: %s\n' "$title" "$*" >>"$nabrosa_log"
  [ -t 1 ] || printf '%s ... ' "$title"
  "$@" </dev/null 2>&1 | nabrosa_follow "$title" && status=0 || status=${PIPESTATUS[0]}
  [ ! -t 1 ] || printf '%s ... ' "$title"
  if [ "$status" -eq 0 ]; then
    echo "$(nabrosa_duration $((SECONDS - start)))"
    return 0
  fi
  echo "failed after $(nabrosa_duration $((SECONDS - start)))"
  [ "$keep_going" = 0 ] || return "$status"
  local failed
  failed=$(tail -n +"$from" "$nabrosa_log" | grep -n -m1 '^FAILED: ' | cut -d: -f1 || true)
  echo
  if [ -n "$failed" ]; then
    tail -n +"$((from + failed - 1))" "$nabrosa_log" | head -n 60
  else
    tail -n +"$from" "$nabrosa_log" | tail -n 40
  fi
  echo
  echo "The whole log: $nabrosa_log"
  return "$status"
}
