#!/usr/bin/env bash
# Names in many scripts saved as a PDF page and read back (pdftotext -bbox): every entry
# line's size and date where a plain Latin line has them (within 0.3 mm), no word of a name
# right of its date, every letter of every name in the PDF; the text file keeps its bytes.
#
#   bash tests/e2e/print_scripts.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: print_scripts.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require pdftotext perl
e2e_init
e2e_start_xvfb

names=("Plain latin.txt" "שלום עולם.txt" "مرحبا بالعالم.pdf" "Mixed עברית and latin.md"
  "报告 2026.pdf" "東京の写真.jpeg" "สวัสดีครับ.txt" "Ελληνικά.doc" "Привет мир.txt"
  "party 🎉.png" $'cafe\u0301 cre\u0300me.txt' "長い名前の報告書と東京の写真一覧.txt")
folder="$E2E_TMP/parent/Scripts" size=700
mkdir -p "$folder"
for name in "${names[@]}"; do truncate -s $size "$folder/$name" && size=$((size * 3)); done
touch -d '2026-12-08 02:34:00' "$folder"/* "$folder" "$folder/.."

for out in listing.txt listing.pdf; do
  e2e_save_listing "$out" "$program" "$folder" "$E2E_TMP/$out" env TZ=UTC LPDEST=TamsoretNoSuchQueue
  e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$out: the program did not end after writing"
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$out: exit status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
done
# Below the heading, above the free space: they change with the day and the disk.
sed -n '4,$p' "$E2E_TMP/listing.txt" | head -n -1 >"$E2E_TMP/body.txt"
cmp -s "$E2E_TMP/body.txt" "${0%.sh}.expected" || e2e_fail "text: $(diff -a "$E2E_TMP/body.txt" "${0%.sh}.expected")"
pdftotext -bbox "$E2E_TMP/listing.pdf" "$E2E_TMP/words.html" || e2e_fail "pdftotext cannot read the PDF"

# A word is on the line of the nearest date: fallback fonts' boxes stand higher or lower.
result=$(perl -CSDA -Mutf8 -MUnicode::Normalize -e '
  my ($file, @names) = @ARGV;
  my ($mm, @words, @dates, @bad, $ref) = 72 / 25.4;
  open my $in, "<:utf8", $file or die "$file: $!";
  while (<$in>) {
    next unless /<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)<\/word>/;
    my %w = (x0 => $1, y => ($2 + $4) / 2, x1 => $3, text => $5);
    push @words, \%w;
    push @dates, \%w if $w{text} =~ m{^\d\d/\d\d/\d\d$};
  }
  for my $w (@words) {
    my ($line) = sort { abs($a->{y} - $w->{y}) <=> abs($b->{y} - $w->{y}) } @dates;
    push @{$line->{words}}, $w if $line && abs($line->{y} - $w->{y}) < 2.5 * $mm;
  }
  for my $d (@dates) {
    my @l = sort { $a->{x0} <=> $b->{x0} } @{$d->{words}};
    my ($at) = grep { $l[$_] == $d } 0 .. $#l;
    # The number of the size, right-aligned: its unit may be followed by a blank.
    $d->{size} = $l[$at - 2];
    $d->{text} = NFKC(join "", map { $_->{text} } @l);
    push @bad, "a name word right of the date: $d->{text}"
      if grep { $_->{x0} > $d->{x0} && $_->{text} !~ /^(\d\d\/\d\d\/\d\d|\d\d:\d\d|[dashr]{1,5})$/ } @l;
    $ref = $d if $d->{text} =~ /^Plainlatin\.txt/;
  }
  die "no line of the plain Latin name\n" unless $ref && @dates == @names + 1;
  for my $d (grep { $_->{text} !~ /^\.\.\.\./ } @dates) {
    my ($dx, $sx) = (($d->{x0} - $ref->{x0}) / $mm, ($d->{size}{x1} - $ref->{size}{x1}) / $mm);
    push @bad, sprintf("date %+.2f mm, size %+.2f mm: %s", $dx, $sx, $d->{text})
      if abs($dx) > 0.3 || abs($sx) > 0.3;
  }
  for my $name (@names) {
    my %want;
    # Letters, marks and digits: Qt maps glyphs back to characters of the basic plane only,
    # so the emoji is on the page but not in its text.
    $want{$_}++ for grep { /[\p{L}\p{M}\p{N}]/ } split //, NFKC($name);
    my $found = grep { my %have; $have{$_}++ for split //, $_->{text};
      !grep { ($have{$_} // 0) < $want{$_} } keys %want } @dates;
    # The overlong name is cut at its column.
    push @bad, "the letters of \"$name\" are not all in the PDF" unless $found || $name =~ /^長い/;
  }
  print join("\n", @bad), "\n" if @bad;
  printf "%d entry lines checked\n", scalar @dates;
  exit(@bad ? 1 : 0);
' "$E2E_TMP/words.html" "${names[@]}") || e2e_fail "$result"
e2e_log "$result"
e2e_pass
