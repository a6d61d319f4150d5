#!/usr/bin/env bash
# Each folder may include only the folders listed for it, so the layers stay a one-way stack:
# app -> platform -> logic (files -> search, check, leaves -> tree -> draw), and no Qt in the logic. corpusio/
# (corpus files) is for the benchmark and the tests only: no listed folder may include it.
set -u
cd "$(dirname "$0")/../.."
declare -A allowed=(
  [draw]=""
  [tree]="draw"
  [check]="tree draw"
  [leaves]="tree draw"
  [search]="tree draw"
  [files]="search tree draw"
  [corpusio]="tree draw"
  [platform]="draw"
  [app]="platform files search check leaves tree draw"
)
status=0
for folder in "${!allowed[@]}"; do
  for used in $(grep -rhoE '#include "[a-z_]+/' "$folder" | sed 's/#include "//; s#/##' | sort -u); do
    [ "$used" = "$folder" ] && continue
    if [[ " ${allowed[$folder]} " != *" $used "* ]]; then
      echo "$folder/ includes $used/:"; grep -rn "#include \"$used/" "$folder"; status=1
    fi
  done
  if [ "$folder" != app ] && [ "$folder" != platform ] && grep -rqE '#include <Q' "$folder"; then
    echo "$folder/ includes Qt:"; grep -rnE '#include <Q' "$folder"; status=1
  fi
done
exit $status
