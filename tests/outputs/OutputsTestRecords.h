// Records for the output tests: one whose markers stand apart, and a bundled 140-stimulus sample.
#pragma once

#include "analysis/RecordLoader.h"

namespace test {

// 12 stimuli, every fourth answer wrong; reaction times alternate 0.6 and 1.4 s around a mean of
// 1.0 s with SD 0.5 s, so no marker touches another or the mean and band lines (1.0, 0.0, 2.0).
analysis::RecordData SpacedRecord();

// Data/0507.txt from the source tree (140 stimuli).
analysis::LoadedRecord SampleRecord();

}  // namespace test
