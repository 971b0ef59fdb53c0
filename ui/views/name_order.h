#pragma once
// Lists of applications shown by name, in the order of the user's language.

#include <QCollator>
#include <QString>
#include <algorithm>
#include <vector>

namespace tocko::ui {

// Sorts `items` by `name(item)` as the user's language orders names, ignoring
// case; equal names keep their order.
template <class T, class Name>
void sortByName(std::vector<T>& items, Name name) {
    // Opening a collator loads the locale's collation tables: not for
    // nothing to sort.
    if (items.size() < 2) return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(items.begin(), items.end(),
                     [&](const T& a, const T& b) { return collator.compare(name(a), name(b)) < 0; });
}

}  // namespace tocko::ui
