#pragma once

#include "sort/CollationKeys.h"

#include <vector>

namespace tamsoret {

// The numbers 0 .. keys.size() - 1 of the texts appended to keys, ordered by their keys,
// ascending or descending; texts with equal keys keep the order in which they were
// appended. textAt gives the texts again, by number, for keys that only their whole
// length tells apart.
std::vector<qint32> StableOrder(CollationKeys &keys, bool ascending,
                                const CollationKeys::TextAt &textAt);

// values[i] goes with the i-th text appended to keys: puts the values in the order of
// StableOrder, without a second array of them.
void ArrangeStably(CollationKeys &keys, qint32 *values, bool ascending,
                   const CollationKeys::TextAt &textAt);

} // namespace tamsoret
