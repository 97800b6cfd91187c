#include "listing/FilterPattern.h"

#include "platform/Failure.h"
#include "platform/QtTranslations.h"

#include <QCoreApplication>

namespace tamsoret {

namespace {

QString InvalidPattern()
{
    return ProgramText::translate("FilterPattern", "Invalid filter pattern");
}

// Plain ASCII, which most names are made of, folds without the call into Qt's tables.
char32_t Fold(char32_t c)
{
    if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    return QChar::toCaseFolded(c);
}

// The character at position i, a surrogate pair taken as one; next is where the
// following character begins.
char32_t CharAt(QStringView text, qsizetype i, qsizetype &next)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
        QChar::isLowSurrogate(text[i + 1].unicode())) {
        next = i + 2;
        return QChar::surrogateToUcs4(c, text[i + 1].unicode());
    }
    next = i + 1;
    return c;
}

} // namespace

struct FilterPattern::Token {
    enum Kind { Literal, AnyOne, Digit, AnyRun, List };
    struct Range {
        char32_t low;
        char32_t high;
    };

    Kind kind = Literal;
    char32_t folded = 0;          // Literal
    bool negated = false;         // List
    std::vector<Range> ranges;    // List; a single character is a range of one

    bool matchesOne(char32_t c) const
    {
        switch (kind) {
        case Literal:
            return Fold(c) == folded;
        case AnyOne:
            return true;
        case Digit:
            return c >= U'0' && c <= U'9';
        case List:
            return inList(c) != negated;
        case AnyRun:
            break;
        }
        return false;
    }

    bool inList(char32_t c) const
    {
        // Without regard to case: a character is in the list when it, its capital or its
        // small letter is.
        const char32_t variants[] = {c, QChar::toLower(c), QChar::toUpper(c), Fold(c)};
        for (const Range &r : ranges) {
            for (char32_t v : variants) {
                if (v >= r.low && v <= r.high)
                    return true;
            }
        }
        return false;
    }
};

FilterPattern::FilterPattern(const QString &pattern)
{
    const QStringView text(pattern);
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        qsizetype next;
        const char32_t c = CharAt(text, i, next);
        Token token;
        if (c == U'?') {
            token.kind = Token::AnyOne;
        } else if (c == U'#') {
            token.kind = Token::Digit;
        } else if (c == U'*') {
            token.kind = Token::AnyRun;
            if (!tokens_.empty() && tokens_.back().kind == Token::AnyRun) {
                i = next;
                continue; // a run of stars matches what one star matches
            }
        } else if (c == U'[') {
            token.kind = Token::List;
            // Read the list's characters first, so that a hyphen can be told apart as
            // the first, the last or a range's middle character.
            std::vector<char32_t> members;
            qsizetype j = next;
            if (j < size && text[j] == u'!') {
                token.negated = true;
                ++j;
            }
            bool closed = false;
            while (j < size) {
                qsizetype after;
                const char32_t m = CharAt(text, j, after);
                j = after;
                if (m == U']') {
                    closed = true;
                    break;
                }
                members.push_back(m);
            }
            if (!closed)
                throw Failure(
                    InvalidPattern(), pattern,
                    ProgramText::translate("FilterPattern", "A \"[\" has no closing \"]\"."));
            for (size_t k = 0; k < members.size();) {
                const char32_t low = members[k];
                if (k + 2 < members.size() && members[k + 1] == U'-') {
                    const char32_t high = members[k + 2];
                    if (high < low) {
                        const QString range =
                            QString::fromUcs4(&low, 1) + u'-' + QString::fromUcs4(&high, 1);
                        throw Failure(InvalidPattern(), pattern,
                                      ProgramText::translate("FilterPattern",
                                                             "The range \"%1\" runs from a higher "
                                                             "to a lower character.")
                                          .arg(range));
                    }
                    token.ranges.push_back({low, high});
                    k += 3;
                } else {
                    token.ranges.push_back({low, low});
                    ++k;
                }
            }
            next = j;
        } else {
            token.kind = Token::Literal;
            token.folded = Fold(c);
        }
        tokens_.push_back(std::move(token));
        i = next;
    }
}

FilterPattern::~FilterPattern() = default;
FilterPattern::FilterPattern(const FilterPattern &) = default;
FilterPattern::FilterPattern(FilterPattern &&) noexcept = default;
FilterPattern &FilterPattern::operator=(const FilterPattern &) = default;
FilterPattern &FilterPattern::operator=(FilterPattern &&) noexcept = default;

bool FilterPattern::matches(QStringView candidate) const
{
    // Every token but the star takes exactly one character, so the classic two-pointer
    // match holds: on a mismatch, let the last star take one character more and retry
    // from there. Earlier stars never need to be revisited, which keeps the work at most
    // the product of the two lengths whatever the number of stars.
    const size_t tokenCount = tokens_.size();
    const qsizetype length = candidate.size();
    size_t t = 0;
    qsizetype i = 0;
    size_t afterStar = tokenCount + 1; // none yet
    qsizetype starFrom = 0;

    while (i < length) {
        if (t < tokenCount && tokens_[t].kind == Token::AnyRun) {
            if (t + 1 == tokenCount)
                return true; // a closing star takes whatever is left
            afterStar = ++t;
            starFrom = i;
            continue;
        }
        if (t < tokenCount) {
            qsizetype next;
            if (tokens_[t].matchesOne(CharAt(candidate, i, next))) {
                i = next;
                ++t;
                continue;
            }
        }
        if (afterStar > tokenCount)
            return false;
        qsizetype next;
        CharAt(candidate, starFrom, next);
        starFrom = next;
        i = starFrom;
        t = afterStar;
    }
    while (t < tokenCount && tokens_[t].kind == Token::AnyRun)
        ++t;
    return t == tokenCount;
}

} // namespace tamsoret
