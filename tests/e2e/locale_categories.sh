#!/usr/bin/env bash
# Each locale category decides its own part of a listing: LC_COLLATE the order of the names,
# LC_TIME the day names, LC_NUMERIC the digit grouping. LANGUAGE and LC_MESSAGES choose the
# language of the program's texts and nothing else.
#
#   bash tests/e2e/locale_categories.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: locale_categories.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require iconv
e2e_init
for l in de_DE sv_SE; do
  locale -a | grep -qix "$l.utf8" || e2e_fail "the locale $l.UTF-8 is missing (bash scripts/setup.sh makes it)"
done
unset LC_ALL LANG LC_COLLATE LC_MESSAGES LC_TIME LC_NUMERIC

folder="$E2E_TMP/Names"
mkdir -p "$folder"
for name in Zebra Åsa Ärger Öl Apfel Oma; do : >"$folder/$name"; done
head -c 5678 /dev/zero >"$folder/Apfel"

# listing ENV...: the text listing made without a window in that environment, in UTF-8.
listing() {
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$program" --no-folders -o - "$folder" | iconv -f CP1252 -t UTF-8 | tr -d "\r"
}
# The names in the order listed, on one line.
names() { awk 'seen && NF == 0 && n { exit } seen && NF { printf "%s%s", n++ ? " " : "", $1 } /^Name /{ seen = 1 }'; }

while IFS=';' read -r environment order day size; do
  # shellcheck disable=SC2086 # the environment is words on purpose
  text=$(listing $environment) || e2e_fail "$environment: status $?"
  [ "$(names <<<"$text")" = "$order" ] ||
    e2e_fail "$environment: the names are listed as '$(names <<<"$text")', not as '$order'"
  grep -Eq "^Tamsoret - $day " <<<"$text" ||
    e2e_fail "$environment: the header names no $day: $(head -n 1 <<<"$text")"
  grep -Eq "^Apfel .* $size b" <<<"$text" ||
    e2e_fail "$environment: the size is not grouped as $size: $(grep '^Apfel' <<<"$text")"
done <<'CASES'
LANG=sv_SE.UTF-8 LANGUAGE=en;Apfel Oma Zebra Åsa Ärger Öl;[a-zåäö]*dag;5 678
LANG=de_DE.UTF-8 LC_MESSAGES=C;Apfel Ärger Åsa Öl Oma Zebra;[A-Z][a-z]*(tag|woch);5[.]678
LANG=de_DE.UTF-8 LC_COLLATE=sv_SE.UTF-8;Apfel Oma Zebra Åsa Ärger Öl;[A-Z][a-z]*(tag|woch);5[.]678
LANG=C.UTF-8 LC_COLLATE=de_DE.UTF-8 LC_TIME=sv_SE.UTF-8 LC_NUMERIC=de_DE.UTF-8;Apfel Ärger Åsa Öl Oma Zebra;[a-zåäö]*dag;5[.]678
LANG=de_DE.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=de;Apfel Oma Zebra Ärger Åsa Öl;[A-Z][a-z]*day;5,678
CASES
e2e_pass
