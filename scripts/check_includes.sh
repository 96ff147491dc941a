#!/usr/bin/env bash
# The windows reach each other only through their subsystem's links file: a file under
# windows/<subsystem>/ includes another subsystem's headers only when it is that subsystem's
# <subsystem>_links.{h,cpp}. The composition root at the top of windows/ may include any.
# Prints every other such include and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r file; do
  subsystem=$(echo "$file" | cut -d/ -f2)
  case "$(basename "$file")" in
    "${subsystem}_links.h" | "${subsystem}_links.cpp") continue ;;
  esac
  while IFS= read -r line; do
    target=$(echo "$line" | sed -E 's/.*#include "windows\/([^/]+)\/.*/\1/')
    if [ "$target" != "$subsystem" ]; then
      echo "$file: $line" >&2
      echo "  (only windows/$subsystem/${subsystem}_links.{h,cpp} may include another subsystem's headers)" >&2
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#include "windows/[^/]+/' "$file" || true)
done < <(git ls-files 'windows/*/*.h' 'windows/*/*.cpp')
exit $status
