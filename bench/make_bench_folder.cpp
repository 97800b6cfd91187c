// Fills an empty folder with COUNT entries of the kinds a listing meets in real folders:
// mixed-case names of varied length, some without a dot, a few with accents or in other
// scripts, sizes in every unit of the size column (sparse, so they take no disk space),
// modification times spread over three decades and both seasons, some folders and some
// hidden dot files. The same count and seed always give the same folder.
//
// Usage: make_bench_folder FOLDER COUNT [SEED]

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Random
{
    uint64_t state;
    uint64_t next()
    {
        // splitmix64: fast, and every seed gives a full-quality sequence.
        uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    uint64_t below(uint64_t n) { return next() % n; }
};

const char *const Extensions[] = {".txt", ".JPG",  ".jpg", ".pdf",  ".tar.gz", ".c", ".h",
                                  ".Mp3", ".DOCX", ".log", ".json", ".png",    ".o", ".eml"};
const char *const Words[] = {"report", "IMG",     "Invoice", "backup", "DSC",   "notes", "Makefile",
                             "README", "summary", "draft",   "photo",  "Final", "mail",  "cache",
                             "build",  "Q3",      "archive", "letter", "Scan",  "data"};
// Accented and non-Latin pieces, as UTF-8 bytes.
const char *const Foreign[] = {"Caf\xC3\xA9",
                               "Gr\xC3\xB6\xC3\x9F"
                               "e",
                               "na\xC3\xAFve",
                               "\xCE\xB1\xCE\xB2\xCE\xB3",
                               "\xE6\x97\xA5\xE8\xA8\x98",
                               "\xC3\x85sa"};

std::string Base36(uint64_t v)
{
    std::string s;
    do {
        s.insert(s.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[v % 36]);
        v /= 36;
    } while (v);
    return s;
}

char RandomLetter(Random &r)
{
    const char c = char('a' + r.below(26));
    return r.below(3) == 0 ? char(c - 'a' + 'A') : c;
}

// Every name carries the entry's number, so names never collide.
std::string Name(Random &r, uint64_t i)
{
    std::string name;
    const uint64_t style = r.below(100);
    if (style < 3) name = ".";
    if (style < 2) {
        name += Foreign[r.below(sizeof Foreign / sizeof *Foreign)];
    } else {
        name += Words[r.below(sizeof Words / sizeof *Words)];
    }
    const uint64_t extra = r.below(24);
    if (extra > 0) name += r.below(2) ? '_' : ' ';
    for (uint64_t k = 0; k < extra; ++k)
        name += RandomLetter(r);
    name += '-';
    name += Base36(i);
    if (style % 10 != 0) // one in ten has no dot
        name += Extensions[r.below(sizeof Extensions / sizeof *Extensions)];
    if (r.below(4) == 0) { // a quarter all capitals or all small letters
        const bool upper = r.below(2);
        for (char &c : name) {
            if (c >= 'a' && c <= 'z' && upper) c = char(c - 'a' + 'A');
            if (c >= 'A' && c <= 'Z' && !upper) c = char(c - 'A' + 'a');
        }
    }
    return name;
}

// Sizes in every unit of the size column: bytes, kb, Mb and Gb.
off_t Size(Random &r)
{
    switch (r.below(8)) {
    case 0:
        return 0;
    case 1:
    case 2:
    case 3:
        return off_t(r.below(10000));
    case 4:
    case 5:
        return off_t(10000 + r.below(10000LL * 1024));
    case 6:
        return off_t(10000LL * 1024 + r.below(10000LL * 1024 * 1024));
    default:
        return off_t(10000LL * 1024 * 1024 + r.below(90000LL * 1024 * 1024));
    }
}

// 1995 to 2026, any second: both seasons, and every minute.
time_t Time(Random &r)
{
    return time_t(788918400 + r.below(1000000000ULL));
}

void Fail(const char *what, const std::string &name)
{
    std::fprintf(stderr, "make_bench_folder: %s %s: %s\n", what, name.c_str(),
                 std::strerror(errno));
    std::exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_bench_folder FOLDER COUNT [SEED]\n");
        return 2;
    }
    const char *folder = argv[1];
    const uint64_t count = std::strtoull(argv[2], nullptr, 10);
    Random r{argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1};

    if (mkdir(folder, 0755) != 0 && errno != EEXIST) Fail("cannot create", folder);
    const int dir = open(folder, O_RDONLY | O_DIRECTORY);
    if (dir < 0) Fail("cannot open", folder);

    for (uint64_t i = 0; i < count; ++i) {
        const std::string name = Name(r, i);
        const bool asFolder = r.below(100) < 2;
        const bool readOnly = r.below(100) < 5;
        const timespec times[2] = {{Time(r), 0}, {Time(r), long(r.below(1000000000))}};
        if (asFolder) {
            if (mkdirat(dir, name.c_str(), 0755) != 0) Fail("cannot create", name);
            if (utimensat(dir, name.c_str(), times, 0) != 0) Fail("cannot date", name);
            continue;
        }
        const int fd =
            openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL, readOnly ? 0444 : 0644);
        if (fd < 0) Fail("cannot create", name);
        const off_t size = Size(r);
        if (size > 0 && ftruncate(fd, size) != 0) Fail("cannot size", name);
        if (futimens(fd, times) != 0) Fail("cannot date", name);
        close(fd);
    }
    close(dir);
    return 0;
}
