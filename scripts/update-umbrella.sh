#!/usr/bin/env bash
# Regenerates vorn/vorn.h from the public headers (internal ones live in detail/ folders).
set -euo pipefail
cd "$(dirname "$0")/.."
{
  echo '#pragma once'
  echo '// Every public header of the library (regenerate with scripts/update-umbrella.sh).'
  echo ''
  echo '/// @namespace vorn'
  echo '/// Every public name of the library.'
  echo ''
  for sub in util framework assets controls text_lists colour tree; do
    for h in vorn/$sub/*.h; do
      [ -e "$h" ] || continue
      echo "#include <$h>"
    done
  done
} > vorn/vorn.h
