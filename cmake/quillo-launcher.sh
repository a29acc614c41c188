#!/bin/sh
# Starts Quillo! in its program folder, so that a system-wide install keeps the player's files in
# Documents. A file named on the command line is made absolute first, as the folder changes.
here=$(dirname "$(readlink -f "$0")")
for arg do
  shift
  case $arg in
    /* | '') ;;
    *) arg=$PWD/$arg ;;
  esac
  set -- "$@" "$arg"
done
cd "$here/../@QUILLO_PROGRAM_SUBDIR@" || exit 1
exec ./quillo "$@"
