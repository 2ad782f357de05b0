// Output names made from the GIF's and the report's names, so each pattern has one owner.
#include "app/OutputNames.h"

#include "analysis/SaveNames.h"

namespace app {
namespace {

// The name without its extension's three letters, which `extension` then replaces.
std::string WithExtension(std::string name, std::string_view extension) {
  name.resize(name.size() - 3);
  return name.append(extension);
}

}  // namespace

std::string ChartOutputFileName(std::string_view subjectCodeCp1251, int subtest,
                                std::string_view extension) {
  return WithExtension(analysis::ChartFileName(subjectCodeCp1251, subtest), extension);
}

std::string ReportPdfFileName(std::string_view subjectCodeCp1251) {
  return WithExtension(analysis::ReportFileName(subjectCodeCp1251), "pdf");
}

}  // namespace app
