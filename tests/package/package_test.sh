#!/bin/sh
# The Debian package as a player gets it: built from the build tree, checked by lintian and the
# metadata validators, its manual pages against --help, and the game started from it.
# Usage: package_test.sh build|metadata|manpages|run BUILD_DIR OUT_DIR VERSION
set -eu
step=$1 build=$2 out=$3 version=$4

fail() { echo "FAIL: $*" >&2; exit 1; }

# A fresh copy of the package's files in a scratch folder, removed on exit.
extract() {
  scratch=$(mktemp -d)
  trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
  chmod 755 "$scratch"
  root=$scratch/root
  dpkg-deb -x "$out/quillo_${version}_$(dpkg --print-architecture).deb" "$root"
}

case $step in
build)
  rm -f "$out"/quillo_*.deb
  cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack"; }
  deb=$out/quillo_${version}_$(dpkg --print-architecture).deb
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
  dpkg-deb -f "$deb" Depends | grep -q 'libqt6multimedia6.*libqt6widgets6' || fail "Depends"
  lintian --fail-on error "$deb"
  ;;
metadata)
  extract
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
  grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "metainfo release"
  desktop-file-validate "$root/usr/share/applications/quillo.desktop"
  grep -q '^Categories=Game;LogicGame;$' "$root/usr/share/applications/quillo.desktop" ||
    fail "desktop categories"
  grep -q '^Files: data/words.txt$' "$root/usr/share/doc/quillo/copyright" || fail "copyright"
  ;;
manpages)
  extract
  # The options a text names: words starting with one or two dashes.
  options() { grep -oE -- '(^|[][ ,])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
  for program in quillo quillo-tool; do
    page=$root/usr/share/man/man6/$program.6.gz
    # The manual's OPTIONS section: the item lines after each .TP.
    listed=$(zcat "$page" | sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' | sed -n '/^\.TP/{n;p}' |
             sed 's/\\-/-/g' | options)
    helped=$("$root/usr/games/$program" --help | options)
    [ -n "$helped" ] && [ "$listed" = "$helped" ] ||
      fail "$program: --help lists '$helped', the manual '$listed'"
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$program manual: $warnings"
  done
  ;;
run)
  extract
  game=$root/usr/games/quillo
  [ "$("$game" --version)" = "quillo $version" ] || fail "--version"
  status=0
  "$game" --no-such-option 2>"$scratch/err" || status=$?
  [ $status -eq 2 ] && grep -q '^Usage: quillo ' "$scratch/err" || fail "an unknown option"

  # A system-wide install: the program folder is not the player's to write. Root writes
  # anywhere whatever the modes say, so as root the game runs as nobody.
  program=$root/usr/lib/quillo
  chmod -R a-w "$program"
  home=$scratch/home
  mkdir "$home"
  as=
  if [ "$(id -u)" -eq 0 ]; then
    as="setpriv --reuid=65534 --regid=65534 --clear-groups"
    chown 65534:65534 "$home"
  fi
  if $as test -w "$program"; then fail "the program folder is writable for the player"; fi
  play() {
    env HOME="$home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen QUILLO_EXIT_AFTER_FIRST_PAINT=1 \
      timeout 60 $as "$game" "$@" >"$scratch/out" 2>"$scratch/err" || { cat "$scratch/err"; fail "the game $*"; }
    grep -q '^first-paint ' "$scratch/out" || fail "no first paint: $*"
  }
  cd "$scratch"
  play
  for file in quillo.ini quillo.cqm; do
    [ -f "$home/Documents/quillo/$file" ] || fail "no $file in Documents: $(ls -R "$home")"
  done
  # A quote file named relative to where the player stands is the one played and remembered.
  printf 'Nothing is certain but death and taxes.\tBenjamin Franklin\n' >mine.qot
  play mine.qot
  grep -qx "QuoteFile=$scratch/mine.qot" "$home/Documents/quillo/quillo.ini" || fail "quote file argument"
  ;;
*)
  fail "unknown step $step"
  ;;
esac
