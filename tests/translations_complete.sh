#!/usr/bin/env bash
# Fails when a catalogue in translations/ lacks a text of the sources, keeps one they no
# longer have, or has a message not finished: lupdate brings a copy of each up to date,
# which must then equal the file as committed, and nothing in it may be left unfinished.
#
#   bash tests/translations_complete.sh LUPDATE SOURCE-ROOT SOURCE-LIST TS-FILE...
#   (SOURCE-LIST: the files lupdate reads, one a line; the build writes it. The includes are
#   looked up from SOURCE-ROOT, so that a window's texts get its namespace in their context.)
set -euo pipefail
lupdate=$1 root=$2 sources=$3
shift 3
[ $# -gt 0 ] || { echo "translations_complete: no .ts files given" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT

failed=0
for ts in "$@"; do
  name=$(basename -- "$ts")
  cp -- "$ts" "$scratch/$name"
  if ! "$lupdate" -silent -I "$root" -locations none -no-obsolete "@$sources" -ts "$scratch/$name" >"$scratch/log" 2>&1; then
    echo "$name: lupdate failed: $(cat "$scratch/log")" >&2
    failed=1
    continue
  fi
  if ! diff -u "$ts" "$scratch/$name" >"$scratch/diff"; then
    echo "$name is not up to date with the sources (cmake --build build --target update_translations):" >&2
    grep '^[-+] *<source>' "$scratch/diff" >&2 || cat "$scratch/diff" >&2
    failed=1
  fi
  # A message waiting for its translation, in the file as committed.
  unfinished=$(awk '/<source>/ { source = $0 } /type="unfinished"/ { print source }' "$ts")
  if [ -n "$unfinished" ]; then
    echo "$name: unfinished messages:" >&2
    printf '%s\n' "$unfinished" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "translations_complete: $# catalogues complete and up to date"
exit "$failed"
