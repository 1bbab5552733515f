#!/usr/bin/env bash
# Regenerates vorn/vorn.h from the public headers (all but the few internal ones).
set -euo pipefail
cd "$(dirname "$0")/.."
internal='vorn/assets/database_common.h|vorn/assets/file_search.h'
{
  echo '#pragma once'
  echo '// Every public header of the library (regenerate with scripts/update-umbrella.sh).'
  for sub in util framework assets controls text_lists colour tree; do
    for h in vorn/$sub/*.h; do
      [ -e "$h" ] || continue
      [[ "$h" =~ ^($internal)$ ]] && continue
      echo "#include <$h>"
    done
  done
} > vorn/vorn.h
