#!/usr/bin/env bash
# The manual page renders without a warning and names every option that --help prints,
# so that the two cannot drift apart.
set -euo pipefail
program=$1 page=$2
fail() { echo "manual page: $*" >&2; exit 1; }
warnings=$(groff -ww -z -man "$page" 2>&1) || fail "groff failed: $warnings"
[[ -z $warnings ]] || fail "groff warns: $warnings"
options() { grep -oE '(^|[[:space:],[|])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
from_help=$("$program" --help | options)
[[ -n $from_help ]] || fail "--help printed no options"
from_page=$(MANWIDTH=200 groff -man -Tutf8 -P-cbou "$page" 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g; s/\xe2\x80\x90/-/g' | options)
missing=$(comm -23 <(echo "$from_help") <(echo "$from_page"))
[[ -z $missing ]] || fail "--help prints options the page does not name: $missing"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT; do
  grep -q "^\.SH $section" "$page" || fail "no $section section"
done
# The music folders, as the help pages and the README name them, in the page and in --help.
usage=$("$program" --help)
for folder in /usr/lib/games/spindora/ '~/.local/share/spindora/music/' XDG_DATA_HOME; do
  grep -qF -- "$folder" "$page" || fail "does not name $folder"
  grep -qF -- "$folder" <<<"$usage" || fail "--help does not name $folder"
done
