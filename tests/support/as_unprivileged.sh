#!/bin/sh
# Runs a test program as an ordinary user, because file modes do not bind root. Run by a user who
# is not root, it runs the program as it is. Where no ordinary user can reach the program, the
# program runs as root and its tests of file modes skip, saying why.
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
if ! $as_nobody test -x "$1"; then
  echo "as_unprivileged: the user nobody cannot run $1; running it as root" >&2
  exec "$@"
fi
exec $as_nobody "$@"
