#include "sort/CollationKeys.h"

#include "platform/Processors.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <system_error>
#include <thread>

namespace tamsoret {

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void AppendOrderPreserving(QByteArray &out, char32_t v)
{
    // The UTF-8 scheme applied to any value up to 0x10FFFF, lone surrogates included:
    // byte order of the results is numeric order of the values, and no result is the
    // beginning of another, so a shorter text still sorts before its continuations.
    if (v < 0x80) {
        out.append(char(v));
    } else if (v < 0x800) {
        out.append(char(0xC0 | (v >> 6)));
        out.append(char(0x80 | (v & 0x3F)));
    } else if (v < 0x10000) {
        out.append(char(0xE0 | (v >> 12)));
        out.append(char(0x80 | ((v >> 6) & 0x3F)));
        out.append(char(0x80 | (v & 0x3F)));
    } else {
        out.append(char(0xF0 | (v >> 18)));
        out.append(char(0x80 | ((v >> 12) & 0x3F)));
        out.append(char(0x80 | ((v >> 6) & 0x3F)));
        out.append(char(0x80 | (v & 0x3F)));
    }
}

// Without collation tables Qt compares case-insensitively one UTF-16 unit at a time:
// each unit is folded on its own, except that a low surrogate after a high one is
// folded together with it and stands for the whole character. The key repeats that
// unit by unit, so it orders exactly as that comparison does.
void AppendFoldedUnits(QByteArray &out, QStringView text)
{
    char32_t last = 0;
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        char32_t value;
        if (unit < 0x80) {
            value = (unit >= u'A' && unit <= u'Z') ? char32_t(unit + 0x20) : char32_t(unit);
        } else {
            char32_t ucs4 = unit;
            if (QChar::isLowSurrogate(ucs4) && QChar::isHighSurrogate(last))
                ucs4 = QChar::surrogateToUcs4(char16_t(last), unit);
            value = QChar::toCaseFolded(ucs4);
        }
        last = unit;
        AppendOrderPreserving(out, value);
    }
}

// For fewer texts than this a thread gains less than it costs to start: 1,000 keys were
// made in 0.7 ms on one thread and in 5.8 ms on two (bench/threads.sh).
constexpr size_t KeysPerThread = 4096;
// Measured on two processors only (bench/threads.sh), where four threads still gained on
// 100,000 keys: no more are started on any machine without a measurement that backs them.
constexpr unsigned MaxKeyThreads = 4;

unsigned KeyThreads(size_t count)
{
    if (const unsigned forced = ForcedThreads(CollationKeys::ForceThreadsVariable)) return forced;
    return ThreadsFor(count, KeysPerThread, MaxKeyThreads, UsableProcessors());
}

} // namespace

bool CollationKeys::KeyPrefix::endsInPrefix() const
{
    return (chunks[PrefixChunks - 1] & 0xFF) == 0;
}

bool CollationKeys::KeyPrefix::samePrefix(const KeyPrefix &other) const
{
    for (size_t c = 0; c < PrefixChunks; ++c) {
        if (chunks[c] != other.chunks[c]) return false;
    }
    return true;
}

// Makes ICU's keys, with buffers of its own: one for each thread that makes them.
class CollationKeys::KeyMaker
{
public:
    explicit KeyMaker(const KeyCollator &collator) : collator_(collator), key_(256) {}

    // Makes the key of text into key(); gives its length, the ending zero counted.
    size_t make(KeyText text)
    {
        QStringView units = text.utf16;
        if (text.latin1 != nullptr) {
            widened_.assign(text.latin1, text.latin1 + text.latin1Size);
            units = QStringView(widened_.data(), text.latin1Size);
        }
        // The collator puts an empty text before every other one, even before a text of
        // ignorable characters only, whose ICU key is not empty: the key of a lone zero
        // byte sorts before every key ICU makes.
        if (units.isEmpty()) {
            key_[0] = 0;
            return 1;
        }
        return collator_.sortKey(units, key_);
    }
    const uchar *key() const { return key_.data(); }

    KeyPrefix prefix(KeyText text, size_t index)
    {
        const size_t length = make(text);
        std::fill(key_.begin() + qsizetype(std::min(length, PrefixBytes)),
                  key_.begin() + PrefixBytes, 0);
        KeyPrefix prefix;
        for (size_t c = 0; c < PrefixChunks; ++c)
            prefix.chunks[c] = qFromBigEndian<quint64>(key_.data() + 8 * c);
        prefix.index = qint32(index);
        return prefix;
    }

private:
    const KeyCollator collator_; // a handle: the collator itself is shared
    std::vector<uchar> key_;        // never shorter than a prefix
    std::vector<char16_t> widened_; // a Latin-1 text on its way to the collator
};

CollationKeys::CollationKeys(const Collation &collation) : collator_(collation.keyCollator())
{
    if (collator_) maker_ = std::make_unique<KeyMaker>(collator_);
}

CollationKeys::~CollationKeys() = default;

void CollationKeys::reserve(size_t count)
{
    if (collated())
        prefixes_.reserve(count);
    else
        ranges_.reserve(count);
}

void CollationKeys::appendAll(size_t count, const TextAt &textAt)
{
    const size_t first = size();
    if (!collated()) {
        reserve(first + count);
        for (size_t i = first; i < first + count; ++i) {
            const KeyText text = textAt(i);
            if (text.latin1 != nullptr)
                appendLatin1(text.latin1, text.latin1Size);
            else
                append(text.utf16);
        }
        return;
    }
    prefixes_.resize(first + count);
    const auto makeKeys = [&](KeyMaker &maker, size_t begin, size_t end) {
        for (size_t i = first + begin; i < first + end; ++i)
            prefixes_[i] = maker.prefix(textAt(i), i);
    };
    // The parts after the first on threads of their own, each with a collator of its own;
    // a part whose thread or collator cannot be had is left to the caller's thread.
    const unsigned threads = KeyThreads(count);
    try {
        std::vector<bool> started(threads, false);
        std::vector<std::exception_ptr> failures(threads);
        std::vector<std::jthread> helpers; // joined before the failures they may write go
        helpers.reserve(threads);
        for (unsigned part = 1; part < threads; ++part) {
            try {
                const KeyCollator copy = collator_.clone();
                if (!copy) break;
                helpers.emplace_back([&, part, copy] {
                    try {
                        KeyMaker maker(copy);
                        makeKeys(maker, count * part / threads, count * (part + 1) / threads);
                    } catch (...) {
                        failures[part] = std::current_exception();
                    }
                });
                started[part] = true;
            } catch (const std::system_error &) {
                break; // no thread now, and likely none for the next parts either
            } catch (const std::bad_alloc &) {
                break;
            }
        }
        for (unsigned part = 0; part < threads; ++part) {
            if (part == 0 || !started[part])
                makeKeys(*maker_, count * part / threads, count * (part + 1) / threads);
        }
        helpers.clear();
        for (const std::exception_ptr &failure : failures) {
            if (failure) std::rethrow_exception(failure);
        }
    } catch (...) {
        prefixes_.resize(first);
        throw;
    }
}

void CollationKeys::append(QStringView text)
{
    if (collated()) {
        prefixes_.push_back(maker_->prefix(text, prefixes_.size()));
        return;
    }
    const qsizetype offset = folded_.size();
    AppendFoldedUnits(folded_, text);
    ranges_.push_back({quintptr(offset), quint32(folded_.size() - offset), false});
}

void CollationKeys::appendLatin1(const uchar *text, qsizetype size)
{
    if (collated()) {
        prefixes_.push_back(maker_->prefix(KeyText(text, size), prefixes_.size()));
        return;
    }
    bool ownKey = true;
    for (qsizetype i = 0; i < size && ownKey; ++i)
        ownKey = text[i] < 0x80 && !(text[i] >= 'A' && text[i] <= 'Z');
    if (ownKey) {
        ranges_.push_back({quintptr(text), quint32(size), true});
        return;
    }
    const qsizetype offset = folded_.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar c = text[i];
        AppendOrderPreserving(folded_,
                              c < 0x80 ? ((c >= 'A' && c <= 'Z') ? char32_t(c + 0x20) : char32_t(c))
                                       : QChar::toCaseFolded(char32_t(c)));
    }
    ranges_.push_back({quintptr(offset), quint32(folded_.size() - offset), false});
}

QByteArrayView CollationKeys::keyBytes(size_t i) const
{
    const Range &r = ranges_[i];
    const char *data = r.outside ? reinterpret_cast<const char *>(r.where)
                                 : folded_.constData() + qsizetype(r.where);
    return QByteArrayView(data, qsizetype(r.size));
}

QByteArrayView CollationKeys::makeKey(KeyText text)
{
    const size_t length = maker_->make(text);
    return QByteArrayView(reinterpret_cast<const char *>(maker_->key()), qsizetype(length));
}

int CollationKeys::compare(size_t a, size_t b, const TextAt &textAt)
{
    if (!collated()) return Sign(keyBytes(a).compare(keyBytes(b)));
    const size_t length = maker_->make(textAt(a));
    const std::vector<uchar> first(maker_->key(), maker_->key() + length);
    maker_->make(textAt(b));
    return Sign(std::strcmp(reinterpret_cast<const char *>(first.data()),
                            reinterpret_cast<const char *>(maker_->key())));
}

} // namespace tamsoret
