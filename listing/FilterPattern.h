#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace tamsoret {

// The file-name filter: ? * # [list] [!list] with ranges, letters compared without
// regard to case everywhere. The whole candidate must match the whole pattern.
class FilterPattern
{
public:
    // Throws Failure naming the pattern when it is invalid (an unclosed "[", a range
    // whose ends are in the wrong order).
    explicit FilterPattern(const QString &pattern);
    ~FilterPattern();
    FilterPattern(const FilterPattern &);
    FilterPattern(FilterPattern &&) noexcept;
    FilterPattern &operator=(const FilterPattern &);
    FilterPattern &operator=(FilterPattern &&) noexcept;
    bool matches(QStringView candidate) const;

    struct Token; // defined in the source

private:
    std::vector<Token> tokens_;
};

} // namespace tamsoret
