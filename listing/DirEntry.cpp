#include "listing/DirEntry.h"

#include <array>
#include <cstring>
#include <new>
#include <stdexcept>

namespace tamsoret {

namespace {

// Texts go into blocks of this size; an entry larger than a block gets a block of its own.
constexpr size_t BlockBytes = size_t(1) << 20;

// Each entry begins with one 16-bit header per text: the length, and the top bit for
// UTF-16. A length that does not fit is marked by the largest value and stored in 32
// bits in front of the text.
constexpr size_t HeaderBytes = 2 * EntryFieldCount;
constexpr quint16 WideBit = 0x8000;
constexpr quint16 LongLength = 0x7FFF;

// The position of every entry that was added empty: they all share one record of
// zero-length texts.
constexpr std::uint64_t EmptyRecord = ~std::uint64_t(0);
constexpr char EmptyRecordBytes[HeaderBytes] = {};

bool NeedsWide(QStringView text)
{
    // Without an early exit the loop is done many units at a time.
    const char16_t *units = text.utf16();
    char16_t all = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        all |= units[i];
    return all > 0xFF;
}

size_t StoredBytes(QStringView text, bool wide)
{
    const size_t units = size_t(text.size());
    size_t bytes = units >= LongLength ? 4 : 0;
    if (wide)
        bytes += 1 + 2 * units; // one byte may be needed to align the UTF-16 units
    else
        bytes += units;
    return bytes;
}

char *AlignForUtf16(char *p)
{
    return p + (reinterpret_cast<std::uintptr_t>(p) & 1);
}

const char *AlignForUtf16(const char *p)
{
    return p + (reinterpret_cast<std::uintptr_t>(p) & 1);
}

} // namespace

struct EntryTable::Block
{
    std::unique_ptr<char[]> data;
    size_t capacity = 0;
    size_t used = 0;
};

QString EntryText::toString() const
{
    if (wide_) return utf16().toString();
    return QString::fromLatin1(data_, size_);
}

EntryTable::EntryTable() = default;
EntryTable::~EntryTable() = default;
EntryTable::EntryTable(EntryTable &&other) noexcept = default;
EntryTable &EntryTable::operator=(EntryTable &&other) noexcept = default;

EntryTable::EntryTable(const EntryTable &other) : positions_(other.positions_)
{
    blocks_.reserve(other.blocks_.size());
    for (const Block &block : other.blocks_) {
        Block copy;
        copy.data.reset(new char[block.capacity]);
        std::memcpy(copy.data.get(), block.data.get(), block.used);
        copy.capacity = block.capacity;
        copy.used = block.used;
        blocks_.push_back(std::move(copy));
    }
}

EntryTable &EntryTable::operator=(const EntryTable &other)
{
    if (this != &other) *this = EntryTable(other);
    return *this;
}

void EntryTable::clear()
{
    blocks_.clear();
    positions_.clear();
    positions_.shrink_to_fit();
}

void EntryTable::resize(size_t count)
{
    positions_.resize(count, EmptyRecord);
}

char *EntryTable::allocate(size_t bytes)
{
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) {
        const size_t capacity = std::max(bytes, BlockBytes);
        blocks_.reserve(blocks_.size() + 1);
        if (blocks_.size() >= (size_t(1) << 32)) throw std::bad_alloc();
        Block block;
        block.data.reset(new char[capacity]);
        block.capacity = capacity;
        blocks_.push_back(std::move(block));
    }
    Block &block = blocks_.back();
    char *start = block.data.get() + block.used;
    positions_.push_back((std::uint64_t(blocks_.size() - 1) << 32) | block.used);
    // Records begin on an even address, which the alignment of UTF-16 texts counts on.
    block.used += bytes + (bytes & 1);
    return start;
}

void EntryTable::append(QStringView name, QStringView dosName, QStringView sortKey,
                        QStringView sizeText, QStringView dateText, QStringView attrText)
{
    const std::array<QStringView, EntryFieldCount> texts = {name,     dosName,  sortKey,
                                                            sizeText, dateText, attrText};
    std::array<bool, EntryFieldCount> wide;
    size_t bytes = HeaderBytes;
    for (int f = 0; f < EntryFieldCount; ++f) {
        wide[f] = NeedsWide(texts[f]);
        bytes += StoredBytes(texts[f], wide[f]);
    }
    // positions_ grows inside allocate(); reserving first keeps a failure from leaving a
    // block without its entry.
    if (positions_.size() == positions_.capacity())
        positions_.reserve(std::max<size_t>(16, positions_.size() * 2));
    char *const record = allocate(bytes);
    char *p = record + HeaderBytes;
    for (int f = 0; f < EntryFieldCount; ++f) {
        const QStringView text = texts[f];
        const size_t units = size_t(text.size());
        quint16 header = units >= LongLength ? LongLength : quint16(units);
        if (wide[f]) header |= WideBit;
        std::memcpy(record + 2 * f, &header, 2);
        if (units >= LongLength) {
            const quint32 length = quint32(units);
            std::memcpy(p, &length, 4);
            p += 4;
        }
        if (wide[f]) {
            p = AlignForUtf16(p);
            std::memcpy(p, text.utf16(), 2 * units);
            p += 2 * units;
        } else {
            const char16_t *from = text.utf16();
            for (size_t k = 0; k < units; ++k)
                p[k] = char(from[k]);
            p += units;
        }
    }
}

void EntryTable::push_back(const DirEntry &entry)
{
    append(entry.Name, entry.DosName, entry.SortKey, entry.SizeText, entry.DateText,
           entry.AttrText);
}

void EntryTable::replace(size_t i, const DirEntry &entry)
{
    if (i >= size()) throw std::out_of_range("EntryTable::replace");
    push_back(entry);
    positions_[i] = positions_.back();
    positions_.pop_back();
}

const char *EntryTable::record(size_t i) const
{
    const std::uint64_t position = positions_[i];
    if (position == EmptyRecord) return EmptyRecordBytes;
    return blocks_[size_t(position >> 32)].data.get() + (position & 0xFFFFFFFFu);
}

std::array<EntryText, EntryFieldCount> EntryTable::texts(size_t i) const
{
    std::array<EntryText, EntryFieldCount> out;
    const char *const rec = record(i);
    const char *p = rec + HeaderBytes;
    for (int f = 0; f < EntryFieldCount; ++f) {
        quint16 header;
        std::memcpy(&header, rec + 2 * f, 2);
        const bool wide = header & WideBit;
        size_t units = header & LongLength;
        if (units == LongLength) {
            quint32 length;
            std::memcpy(&length, p, 4);
            p += 4;
            units = length;
        }
        if (wide) p = AlignForUtf16(p);
        out[size_t(f)] = EntryText(p, qsizetype(units), wide);
        p += wide ? 2 * units : units;
    }
    return out;
}

EntryText EntryTable::text(size_t i, EntryField field) const
{
    return texts(i)[size_t(field)];
}

const DirEntry EntryTable::operator[](size_t i) const
{
    const std::array<EntryText, EntryFieldCount> t = texts(i);
    DirEntry entry;
    entry.Name = t[size_t(EntryField::Name)].toString();
    entry.DosName = t[size_t(EntryField::DosName)].toString();
    entry.SortKey = t[size_t(EntryField::SortKey)].toString();
    entry.SizeText = t[size_t(EntryField::SizeText)].toString();
    entry.DateText = t[size_t(EntryField::DateText)].toString();
    entry.AttrText = t[size_t(EntryField::AttrText)].toString();
    return entry;
}

const DirEntry EntryTable::at(size_t i) const
{
    if (i >= size()) throw std::out_of_range("EntryTable::at");
    return (*this)[i];
}

EntryFactTable::EntryFactTable(const EntryFactTable &other) : keep(other.keep)
{
    for (size_t i = 0; i < other.size(); ++i)
        append(other[i], other.rawName(i));
}

EntryFactTable &EntryFactTable::operator=(const EntryFactTable &other)
{
    if (this != &other) *this = EntryFactTable(other);
    return *this;
}

void EntryFactTable::clear()
{
    // One block of each stays for the next folder of a walk.
    factBlocks_.resize(std::min<size_t>(factBlocks_.size(), 1));
    nameBlocks_.clear();
    nameBlockSize_ = nameUsed_ = 0;
    size_ = 0;
}

void EntryFactTable::append(EntryFacts facts, QByteArrayView rawName)
{
    const size_t length = size_t(rawName.size());
    if (nameBlocks_.empty() || length > nameBlockSize_ - nameUsed_) {
        const size_t room = std::max(NameBlockBytes, length);
        nameBlocks_.push_back(std::make_unique_for_overwrite<char[]>(room));
        nameBlockSize_ = room;
        nameUsed_ = 0;
    }
    if (size_ / FactsPerBlock == factBlocks_.size())
        factBlocks_.push_back(std::make_unique_for_overwrite<EntryFacts[]>(FactsPerBlock));
    char *name = nameBlocks_.back().get() + nameUsed_;
    std::memcpy(name, rawName.data(), length);
    nameUsed_ += length;
    facts.name = name;
    facts.nameLength = quint32(length);
    factBlocks_[size_ / FactsPerBlock][size_ % FactsPerBlock] = facts;
    ++size_;
}

} // namespace tamsoret
