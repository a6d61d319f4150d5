#!/bin/sh
# The file types of the package as a desktop resolves them (GIO over shared-mime-info): graph6 and
# sparse6 by extension and, without one, by their header, with the program among the
# applications offered for both.
#   check-file-types.sh PACKAGE.deb WORK-DIR
set -eu
deb=$1
work=$2
rm -rf "$work"
mkdir -p "$work/home" "$work/files"
dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
# What the triggers of shared-mime-info and desktop-file-utils do when the package is installed.
update-mime-database "$share/mime" 2>/dev/null
update-desktop-database "$share/applications"
# Only the package's files, so that an installed copy of the program cannot answer for it; and the
# package's program on the PATH, since GIO offers only programs it finds there.
export XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_DATA_DIRS="$share"
export PATH="$work/root/usr/bin:$PATH"

printf 'Di_\n' >"$work/files/trees.g6"
printf ':DaXb\n' >"$work/files/trees.s6"
printf '>>graph6<<Di_\n' >"$work/files/graph6"
printf '>>sparse6<<:DaXb\n' >"$work/files/sparse6"

failed=0
expect_type() {
  got=$(gio info -a standard::content-type "$work/files/$1" | sed -n 's/^ *standard::content-type: //p')
  [ "$got" = "$2" ] || { echo "$1: $got, not $2"; failed=1; }
}
expect_type trees.g6 application/x-graph6
expect_type trees.s6 application/x-sparse6
expect_type graph6 application/x-graph6
expect_type sparse6 application/x-sparse6

for type in application/x-graph6 application/x-sparse6; do
  gio mime "$type" | grep -q 'graceful-trees\.desktop' || { echo "$type: the program is not offered"; failed=1; }
done
exit $failed
