#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace tamsoret {

// One listed entry: every column already in its final text, plus the sort key.
struct DirEntry
{
    QString Name;
    QString DosName;
    QString SortKey;
    QString SizeText;
    QString DateText;
    QString AttrText;
};

// The six texts of a DirEntry, in the order they are stored.
enum class EntryField : int { Name, DosName, SortKey, SizeText, DateText, AttrText };
constexpr int EntryFieldCount = 6;

// One stored text as it lies in the table: one byte a character when every character
// is below U+0100 (Latin-1), UTF-16 otherwise. Valid while the table is unchanged.
class EntryText
{
public:
    EntryText() = default;
    EntryText(const char *data, qsizetype size, bool wide) : data_(data), size_(size), wide_(wide)
    {
    }
    bool isWide() const { return wide_; }
    // Characters when narrow, UTF-16 units when wide.
    qsizetype size() const { return size_; }
    const uchar *latin1() const { return reinterpret_cast<const uchar *>(data_); }
    QStringView utf16() const
    {
        return QStringView(reinterpret_cast<const char16_t *>(data_), size_);
    }
    QString toString() const;

private:
    const char *data_ = nullptr;
    qsizetype size_ = 0;
    bool wide_ = false;
};

// The entries in scan order. A million entries held as six QStrings each cost about
// 500 bytes and six allocations apiece; here the texts of each entry lie one after
// another in large blocks, eight bits a character where they fit, behind one position
// per entry. Reading an entry whole builds a DirEntry; the sort and the file writer read
// single texts in place.
class EntryTable
{
public:
    EntryTable();
    ~EntryTable();
    EntryTable(const EntryTable &other);
    EntryTable &operator=(const EntryTable &other);
    EntryTable(EntryTable &&other) noexcept;
    EntryTable &operator=(EntryTable &&other) noexcept;

    size_t size() const { return positions_.size(); }
    bool empty() const { return positions_.empty(); }
    void clear();
    void reserve(size_t count) { positions_.reserve(count); }
    // New entries have six empty texts. Throws std::bad_alloc when the table cannot grow,
    // and is then unchanged.
    void resize(size_t count);

    // Stores one more entry. Throws std::bad_alloc when the table cannot grow, and is then
    // unchanged.
    void append(QStringView name, QStringView dosName, QStringView sortKey, QStringView sizeText,
                QStringView dateText, QStringView attrText);
    void push_back(const DirEntry &entry);
    // Gives entry i new texts (the old ones stay unused in the table until it is cleared).
    void replace(size_t i, const DirEntry &entry);

    EntryText text(size_t i, EntryField field) const;
    // All six texts of entry i, in the order of EntryField.
    std::array<EntryText, EntryFieldCount> texts(size_t i) const;
    // Readers that walk the entries in an order of their own (the sorted order) ask for
    // an entry's texts some entries ahead, and its position further ahead still, so that
    // they are in the cache by the time they are read.
    void prefetchPosition(size_t i) const { __builtin_prefetch(positions_.data() + i); }
    void prefetchTexts(size_t i) const
    {
        const char *rec = record(i);
        __builtin_prefetch(rec);
        __builtin_prefetch(rec + 64);
    }
    // The whole entry, built on demand: const, so that assigning to one of its texts is
    // refused instead of changing a copy.
    const DirEntry operator[](size_t i) const;
    const DirEntry at(size_t i) const;

    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag; // yields entries built on demand
        using value_type = DirEntry;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = const DirEntry;
        const_iterator(const EntryTable *table, size_t i) : table_(table), i_(i) {}
        const DirEntry operator*() const { return (*table_)[i_]; }
        const_iterator &operator++()
        {
            ++i_;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return i_ == other.i_; }
        bool operator!=(const const_iterator &other) const { return i_ != other.i_; }

    private:
        const EntryTable *table_;
        size_t i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Block;
    char *allocate(size_t bytes);
    const char *record(size_t i) const;

    std::vector<Block> blocks_;
    // Block number in the high 32 bits, offset inside the block in the low ones.
    std::vector<std::uint64_t> positions_;
};

// What the data formats (CSV, JSON) write beside the page's texts, kept only while one is
// asked for, so that the text listing pays nothing for it: the name's bytes as stored (the
// page's name is cleaned and re-cased), and the numbers the texts were made from.
struct EntryFacts
{
    qint64 size = 0;
    quint32 attributes = 0;
    int statusError = 0; // the system's error number when the status could not be read
    // The local modification time as the date column has it, with the offset from UTC in
    // force then; hasTime is false where the status or the time could not be read.
    qint32 utcOffset = 0;
    qint16 year = 0;
    quint8 month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool hasTime = false;
    quint32 nameLength = 0;
    const char *name = nullptr; // in the table's own blocks
};

// The facts of the entries in scan order, one for each entry of the table beside them. They
// lie in blocks that are never moved, so that growing costs no copy.
class EntryFactTable
{
public:
    // Whether AddEntry keeps facts; clear() leaves it as it is.
    bool keep = false;

    EntryFactTable() = default;
    // A copy holds names of its own.
    EntryFactTable(const EntryFactTable &other);
    EntryFactTable &operator=(const EntryFactTable &other);
    EntryFactTable(EntryFactTable &&) noexcept = default;
    EntryFactTable &operator=(EntryFactTable &&) noexcept = default;

    size_t size() const { return size_; }
    void clear();
    // Leaves the first count entries (their names' room is not given back until clear()).
    void truncate(size_t count) { size_ = std::min(size_, count); }
    // Throws std::bad_alloc when the table cannot grow, and is then unchanged.
    void append(EntryFacts facts, QByteArrayView rawName);
    const EntryFacts &operator[](size_t i) const { return factBlocks_[i / FactsPerBlock][i % FactsPerBlock]; }
    QByteArrayView rawName(size_t i) const
    {
        const EntryFacts &facts = (*this)[i];
        return QByteArrayView(facts.name, qsizetype(facts.nameLength));
    }
    // Readers in the sorted order ask for an entry's facts ahead, and for its name's bytes
    // once its facts have come, as for the texts of EntryTable.
    void prefetch(size_t i) const { __builtin_prefetch(&(*this)[i]); }
    void prefetchName(size_t i) const { __builtin_prefetch((*this)[i].name); }

private:
    static constexpr size_t FactsPerBlock = 16384;
    static constexpr size_t NameBlockBytes = size_t(1) << 20;
    std::vector<std::unique_ptr<EntryFacts[]>> factBlocks_;
    std::vector<std::unique_ptr<char[]>> nameBlocks_;
    size_t size_ = 0;
    size_t nameBlockSize_ = 0; // of the last name block
    size_t nameUsed_ = 0;      // of it
};

// Stored entries whose status could not be read: listed with their name only.
struct UnreadEntries
{
    static constexpr size_t NamesKept = 5;
    qint32 count = 0;
    // The first few, each with the system's error number.
    std::vector<std::pair<QString, int>> first;
};

// What one listing run knows about the folder: the entries in scan order, the order
// in which they are printed, the byte total of the stored entries (held at the largest
// count it can hold rather than wrap), the summary line, and which entries are listed
// without their status.
struct ListingData
{
    EntryTable Entries;
    std::vector<qint32> EntryOrder;
    qint64 TotalBytes = 0;
    QString SummaryText;
    UnreadEntries Unread;
    EntryFactTable Facts;
};

} // namespace tamsoret
