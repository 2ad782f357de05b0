// A synthetic record for the main chart: the render tool and the chart benchmark show its
// subtest 1.
#pragma once

#include "analysis/RecordData.h"

namespace samples {

// `count` stimuli of subtest 1 (the colour shown, the answer, now and then a wrong one, and the
// reaction time), the subtest's total time, mean, SD and error count (at most 255, the record's
// field), and a sample subject's identification line. The same count always gives the same
// record.
analysis::RecordData SampleChartRecord(int count);

}  // namespace samples
