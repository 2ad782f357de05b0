// The chart engine's own errors; each carries the exact message shown to the user.
#pragma once

#include "runtime/Errors.h"

namespace chart {

// A chart setting refused (angles, 3-D percent, pointer sizes, paging).
class ChartException : public runtime::Exception {
  using runtime::Exception::Exception;
};

// An axis setting refused (range ends, increment, logarithmic base, label separation).
class AxisException : public ChartException {
  using ChartException::ChartException;
};

}  // namespace chart
