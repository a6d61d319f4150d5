#!/usr/bin/env bash
# Starts the program, or says in one line how to get a display when there is none.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: run it under a virtual one with 'xvfb-run make run', or from a desktop session." >&2
  exit 1
fi
exec "$1"
