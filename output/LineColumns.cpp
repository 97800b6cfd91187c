#include "output/LineColumns.h"

#include <QTextBoundaryFinder>

namespace tamsoret {

namespace {

constexpr QChar FirstStrongIsolate(0x2068);
constexpr QChar PopDirectionalIsolate(0x2069);

bool PairAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

} // namespace

std::vector<ColumnPiece> SplitColumns(QStringView line, const std::vector<PageColumn> &columns)
{
    std::vector<ColumnPiece> pieces;
    qsizetype unit = 0;
    int character = 0;
    const auto skipTo = [&](int target) {
        for (; character < target && unit < line.size(); ++character)
            unit += PairAt(line, unit) ? 2 : 1;
    };
    for (size_t i = 0; i < columns.size(); ++i) {
        skipTo(columns[i].start);
        const qsizetype begin = unit;
        const int start = character;
        if (i + 1 < columns.size())
            skipTo(columns[i + 1].start);
        else
            unit = line.size();
        const QStringView cell = line.sliced(begin, unit - begin);
        qsizetype lead = 0;
        while (lead < cell.size() && cell[lead] == u' ')
            ++lead;
        qsizetype end = cell.size();
        while (end > lead && cell[end - 1] == u' ')
            --end;
        if (end > lead)
            pieces.push_back({cell.sliced(lead, end - lead), start + int(lead),
                              columns[i].width - int(lead)});
    }
    return pieces;
}

QString Isolated(QStringView text)
{
    QString isolated;
    isolated.reserve(text.size() + 2);
    isolated += FirstStrongIsolate;
    isolated += text;
    isolated += PopDirectionalIsolate;
    return isolated;
}

QString IsolateColumns(QStringView line, const std::vector<PageColumn> &columns)
{
    QString isolated;
    isolated.reserve(line.size() + 2 * qsizetype(columns.size()));
    qsizetype done = 0;
    for (const ColumnPiece &piece : SplitColumns(line, columns)) {
        const qsizetype at = piece.text.data() - line.data();
        isolated += line.sliced(done, at - done);
        isolated += Isolated(piece.text);
        done = at + piece.text.size();
    }
    isolated += line.sliced(done);
    return isolated;
}

bool HasRightToLeft(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = PairAt(text, i) ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const QChar::Direction direction = QChar::direction(c);
        if (direction == QChar::DirR || direction == QChar::DirAL) return true;
        if (c > 0xFFFF) ++i;
    }
    return false;
}

QStringView WithoutLastCharacter(QStringView text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    finder.toEnd();
    return text.first(std::max<qsizetype>(finder.toPreviousBoundary(), 0));
}

} // namespace tamsoret
