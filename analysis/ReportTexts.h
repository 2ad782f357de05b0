// The fixed texts of the analysis report, as CP1251 bytes.
#pragma once

#include <string>

namespace analysis {

struct ReportTexts {
  std::string SubtestList[4];  // "1. Название цвета прямоугольника [НЦ]" .. subtest 4
  std::string StroopEffectFormat;  // the first coefficient, with "%4.2f"
  std::string StroopEffectMeaning;
  std::string ColourEffectFormat;  // the second coefficient
  std::string ColourEffectMeaning;
  std::string IntegrationFormat;  // the third coefficient, T1/T2
  std::string IntegrationMeaning;
  std::string VerbalDominance;   // T1/T2 above 1, one 419-character line
  std::string ImageryDominance;  // T1/T2 below 1, one 560-character line
};

const ReportTexts& TheReportTexts();

}  // namespace analysis
