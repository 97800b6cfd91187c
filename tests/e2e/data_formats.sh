#!/usr/bin/env bash
# The listing as data, read back with the parsers people use (Python's csv and json, jq) and
# held against what the file system says of each entry: names with commas, quotes, line
# breaks, formula starts, letters outside Latin-1 and bytes that are not UTF-8; a read-only
# file; a tree with its Folder column and folders items; --format to standard output and
# over a name's extension; a FIFO written into; an unreadable folder (as another user).
#
#   bash tests/e2e/data_formats.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: data_formats.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
program=$(realpath -- "$program")
e2e_require python3 jq
e2e_init
unset DISPLAY WAYLAND_DISPLAY
export TZ=Europe/Amsterdam LC_ALL=C.UTF-8
chmod 755 "$E2E_TMP"
top="$E2E_TMP/top" out="$E2E_TMP/out"
mkdir -p "$out"
python3 - "$top" <<'EOF'
import os, sys
top = os.fsencode(sys.argv[1])
names = [b"a,b.txt", b'q"uote', b"line\nbreak", b"cr\rhere", b"=1+1.txt", b"+sum", b"-minus",
         b"@at", b"'quoted", "\u03a9mega \u6f22\u5b57.txt".encode(), b"bad\xff\xfe.bin", b".hidden"]
for d in [b"", b"sub", b"sub/deep", "\u00e9t\u00e9".encode(), b"raw\xe9dir"]:
    os.makedirs(os.path.join(top, d), exist_ok=True)
for i, n in enumerate(names):
    with open(os.path.join(top, n), "wb") as f:
        f.write(b"x" * i * 7)
for d, n in [(b"sub", b"in-sub.csv"), (b"sub/deep", b"deepest"), (b"raw\xe9dir", b"z\x80")]:
    with open(os.path.join(top, d, n), "wb") as f:
        f.write(b"12345")
os.chmod(os.path.join(top, b"=1+1.txt"), 0o444)
os.utime(os.path.join(top, b"a,b.txt"), (1700000000, 1700000000))   # winter time
os.utime(os.path.join(top, b"q\"uote"), (1720000000, 1720000000))   # summer time
EOF

# Reads the CSV and JSON of FOLDER (given as files) and holds every value against the file
# system: python3 check.py FOLDER CSV JSON TREE(0|1) [COLUMNS]
cat >"$E2E_TMP/check.py" <<'EOF'
import base64, csv, datetime, io, json, os, stat, sys
top, csv_file, json_file, tree = os.fsencode(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4] == "1"
def fail(what):
    sys.exit("check: " + what)
def walk(rel):
    """The folders the tree listing walks, depth first, and each folder's entries."""
    path = os.path.join(top, rel) if rel else top
    names = sorted(os.listdir(path))
    yield rel, names
    if tree:
        for n in names:
            p = os.path.join(path, n)
            if os.path.isdir(p) and not os.path.islink(p):
                yield from walk(os.path.join(rel, n) if rel else n)
def attrs(st, name):
    return ("d" if stat.S_ISDIR(st.st_mode) else "") + ("" if st.st_mode & 0o200 else "r") + \
           ("h" if name.startswith(b".") else "")
def guarded(text):
    return "'" + text if text[:1] in ("=", "+", "-", "@", "\t", "\r", "'") else text
expected = list(walk(b""))

raw = open(csv_file, "rb").read()
if not raw.startswith(b"\xef\xbb\xbf"): fail("no byte-order mark")
if not raw.endswith(b"\r\n"): fail("no CR LF at the end")
rows = list(csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline="")))
titles = rows.pop(0)
want_titles = (["Folder"] if tree else []) + ["Name", "MS-DOS Name", "Size", "Modified", "Attributes"]
if len(sys.argv) > 5: want_titles = (["Folder"] if tree else []) + sys.argv[5].split(",")
if titles != want_titles: fail(f"titles {titles}")
seen = {}
for row in rows:
    cells = dict(zip(titles, row))
    folder = cells.get("Folder", ".")
    seen.setdefault(folder, []).append(cells)
for rel, names in expected:
    shown = guarded(rel.decode("utf-8", "replace")) if rel else "."
    got = seen.pop(shown, [])
    if len(got) != len(names): fail(f"rows of {shown}: {len(got)}")
    if "Name" not in titles: continue
    if sorted(c["Name"] for c in got) != sorted(guarded(n.decode("utf-8", "replace")) for n in names):
        fail(f"names of {shown}: {[c['Name'] for c in got]}")
    for c in got:
        # Dropping one leading "'" gives the name back.
        name = c["Name"][1:] if c["Name"].startswith("'") else c["Name"]
        n = next(n for n in names if n.decode("utf-8", "replace") == name)
        st = os.stat(os.path.join(top, rel, n))
        size = "" if stat.S_ISDIR(st.st_mode) else str(st.st_size)
        when = datetime.datetime.fromtimestamp(int(st.st_mtime)).strftime("%Y-%m-%d %H:%M:%S")
        if "Size" in c and c["Size"] != size: fail(f"size of {name}: {c['Size']}")
        if "Modified" in c and c["Modified"] != when: fail(f"time of {name}: {c['Modified']}")
        if "Attributes" in c and c["Attributes"] != attrs(st, n): fail(f"attributes of {name}")
if seen: fail(f"folders not walked: {list(seen)}")

doc = json.load(open(json_file, encoding="utf-8"))
if list(doc)[:6] != ["folder", "label", "made", "free_bytes", "total_bytes", "folders"] or \
   list(doc)[-2:] != ["files", "bytes"]: fail(f"members {list(doc)}")
if os.fsencode(doc["folder"]) != os.path.realpath(top): fail("folder")
datetime.datetime.fromisoformat(doc["made"]).utcoffset()
# Depth first: every folder's subtree follows it as one block.
paths = [base64.b64decode(f["path_bytes"]) if "path_bytes" in f else f["path"].encode() for f in doc["folders"]]
if sorted(paths) != sorted(r or b"." for r, _ in expected): fail(f"folders {paths}")
for i, p in enumerate(paths):
    inside = [j for j, q in enumerate(paths) if p == b"." or q.startswith(p + b"/")]
    if p != b"." and inside != list(range(i + 1, i + 1 + len(inside))): fail(f"walk order {paths}")
files = total = 0
for item, p in zip(doc["folders"], paths):
    rel, names = next((r, n) for r, n in expected if (r or b".") == p)
    if item["path"] != p.decode("utf-8", "replace"): fail(f"path {item['path']}")
    got = [base64.b64decode(e["name_bytes"]) if "name_bytes" in e else e["name"].encode() for e in item["entries"]]
    if sorted(got) != names: fail(f"entries of {rel}: {got}")
    for e, n in zip(item["entries"], got):
        st = os.stat(os.path.join(top, rel, n))
        folder = stat.S_ISDIR(st.st_mode)
        if e["name"] != n.decode("utf-8", "replace") or ("name_bytes" in e) == (n.decode("utf-8", "replace").encode() == n):
            fail(f"name of {n}")
        if e["size"] != (None if folder else st.st_size) or e["folder"] != folder: fail(f"size of {n}")
        t = datetime.datetime.fromisoformat(e["modified"])
        if t.timestamp() != int(st.st_mtime) or t.utcoffset() != datetime.datetime.fromtimestamp(st.st_mtime).astimezone().utcoffset():
            fail(f"time of {n}: {e['modified']}")
        if e["attributes"] != attrs(st, n): fail(f"attributes of {n}")
    if item["files"] != len(got) or item["bytes"] != sum(e["size"] or 0 for e in item["entries"]):
        fail(f"totals of {rel}")
    files, total = files + item["files"], total + item["bytes"]
if (doc["files"], doc["bytes"]) != (files, total): fail("totals")
EOF
check() { python3 "$E2E_TMP/check.py" "$top" "$@" || e2e_fail "$*"; }

# One folder: --format to standard output, and the name's extension in any case.
"$program" -o - --format=csv "$top" >"$out/one.csv" || e2e_fail "csv to standard output"
"$program" -o - --format=json "$top" >"$out/one.json" || e2e_fail "json to standard output"
check "$out/one.csv" "$out/one.json" 0
"$program" -o "$out/ONE.CSV" "$top" && "$program" -o "$out/one.Json" "$top" || e2e_fail "by extension"
check "$out/ONE.CSV" "$out/one.Json" 0
# --format wins over the name.
"$program" -o "$out/named.txt" --format=json "$top" && jq -e '.folders | length == 1' "$out/named.txt" >/dev/null ||
  e2e_fail "--format=json over .txt"
# The columns shown are the CSV's; the JSON keeps every field.
"$program" -o "$out/cols.csv" --columns=size,attributes "$top" || e2e_fail "columns"
check "$out/cols.csv" "$out/one.json" 0 "Size,Attributes"
# One column whose cell is empty (a folder's size) is still a row.
"$program" -o "$out/size.csv" --columns=size "$top" || e2e_fail "one column"
check "$out/size.csv" "$out/one.json" 0 "Size"

# A tree: the Folder column and one folders item a walked folder, depth first.
"$program" -o "$out/tree.csv" -r "$top" && "$program" -o "$out/tree.json" -r "$top" || e2e_fail "tree"
check "$out/tree.csv" "$out/tree.json" 1
jq -e '([.folders[].entries[]] | length) == .files' "$out/tree.json" >/dev/null ||
  e2e_fail "jq: files is not the count of the entries"
jq -e '[.folders[].entries[] | select(.attributes | test("r")) | .name] == ["=1+1.txt"]' \
  "$out/tree.json" >/dev/null || e2e_fail "jq: the read-only file's r"
jq -e '[.folders[].entries[] | select(.folder) | .size] | all(. == null)' "$out/tree.json" >/dev/null ||
  e2e_fail "jq: a folder's size is not null"

# A FIFO is written into and stays a FIFO; its reader gets the whole document.
mkfifo "$out/pipe.json"
"$program" -o "$out/pipe.json" "$top" &
writer=$!
jq -e '.files > 0' <"$out/pipe.json" >/dev/null || e2e_fail "jq: what came through the FIFO"
wait "$writer" || e2e_fail "writing into the FIFO"
[ -p "$out/pipe.json" ] || e2e_fail "the FIFO was replaced"

# Standard output that cannot take the data is told, exit 1.
status=0
"$program" -o - --format=json "$top" >/dev/full 2>"$out/full.err" || status=$?
[ "$status" = 1 ] && grep -q "No space left on device" "$out/full.err" || e2e_fail "JSON to /dev/full: exit $status"

# A bad word, and --format without -o, exit 2 with nothing written.
for args in "-o $out/bad.csv --format=xml" "-p --format=csv" "--format=json" "-o - --format=pdf"; do
  status=0
  # shellcheck disable=SC2086 # the arguments are split on purpose
  "$program" $args "$top" >/dev/null 2>&1 </dev/null || status=$?
  [ "$status" = 2 ] || e2e_fail "$args: exit $status, not 2"
done
[ ! -e "$out/bad.csv" ] || e2e_fail "a refused run wrote its file"

# A folder another user cannot read: its item carries the system's reason, exit 1.
e2e_unprivileged "$program"
chmod -R a+rX "$top"
chmod 700 "$top/sub"
status=0
"${AS_OTHER[@]}" "$OTHER_PROGRAM" -o - --format=json -r "$top" >"$out/locked.json" 2>/dev/null || status=$?
chmod 755 "$top/sub"
if [ "$(id -u)" -eq 0 ]; then
  [ "$status" = 1 ] || e2e_fail "unreadable folder: exit $status, not 1"
  jq -e '.folders[] | select(.path == "sub") | .error == "Permission denied" and .entries == []' \
    "$out/locked.json" >/dev/null || e2e_fail "jq: the unreadable folder's error"
fi
e2e_pass
