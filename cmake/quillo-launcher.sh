#!/bin/sh
# Starts Quillo! in its program folder, so that a system-wide install keeps the player's files in
# Documents. File names on the command line are made absolute first, as the folder changes;
# options, and the values of the toolkit's options that take one (as in main.cpp), pass as given.
here=$(dirname "$(readlink -f "$0")")
files_only= value_next=
for arg do
  shift
  if [ -n "$value_next" ]; then
    value_next=
  elif [ -z "$files_only" ]; then
    case $arg in
      --) files_only=1 ;;
      -platform | -platformpluginpath | -platformtheme | -plugin | -qwindowgeometry | \
      -qwindowicon | -qwindowtitle | -qmljsdebugger | -display | -geometry | -style | \
      -stylesheet | -session) value_next=1 ;;
      -?*) ;;
      /* | '') ;;
      *) arg=$PWD/$arg ;;
    esac
  else
    case $arg in
      /* | '') ;;
      *) arg=$PWD/$arg ;;
    esac
  fi
  set -- "$@" "$arg"
done
cd "$here/../@QUILLO_PROGRAM_SUBDIR@" || exit 1
exec ./quillo "$@"
