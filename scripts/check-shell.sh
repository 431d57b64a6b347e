#!/usr/bin/env bash
# Checks every shell script of the repository with shellcheck, following the files they source:
# the tracked files named *.sh and those whose first line starts a shell. Any finding, down to
# a style note, fails.
set -euo pipefail
cd "$(dirname "$0")/.."
git rev-parse --is-inside-work-tree >/dev/null
scripts=()
while IFS= read -r -d '' file; do
  first=""
  [[ $file == *.sh ]] || { IFS= read -r first <"$file" || true; }
  if [[ $file == *.sh || $first =~ ^\#!.*[/[:space:]](ba|da|k)?sh([[:space:]]|$) ]]; then
    scripts+=("$file")
  fi
done < <(git ls-files -z)
echo "== shellcheck: ${#scripts[@]} scripts"
shellcheck -x -P SCRIPTDIR "${scripts[@]}"
