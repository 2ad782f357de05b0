// The setter rule of every chart setting: a different value is stored and reported, an equal one
// changes nothing (so setting a value twice repaints once).
#pragma once

#include <utility>

namespace chart {

// Stores `value` in `field` and then calls `changed` when the two differ.
template <class T, class U, class Changed>
void StoreIfChanged(T& field, U&& value, Changed&& changed) {
  if (field == value) return;
  field = std::forward<U>(value);
  changed();
}

}  // namespace chart
