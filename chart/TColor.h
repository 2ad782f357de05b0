// The colour type and the named colours, usable under the chart namespace.
#pragma once

#include "runtime/TColor.h"

namespace chart {

using runtime::clBlack;
using runtime::clBlue;
using runtime::clBtnFace;
using runtime::clBtnHighlight;
using runtime::clBtnShadow;
using runtime::clGray;
using runtime::clGreen;
using runtime::clNone;
using runtime::clNotSet;
using runtime::clRed;
using runtime::clSilver;
using runtime::clWhite;
using runtime::clYellow;
using runtime::ColorToRGB;
using runtime::TColor;

}  // namespace chart
