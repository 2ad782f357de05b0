// Export loop: one record at a time, errors reported per record, exit status for the whole run.
#include "app/RunExport.h"

#include <system_error>

#include "analysis/ReportFile.h"
#include "analysis/SaveNames.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"

namespace app {
namespace {

// Messages may quote binary bytes from a bad record; control characters must not reach the
// terminal.
std::string PrintableUtf8(std::string_view cp1251) {
  std::string text = runtime::Cp1251ToUtf8(cp1251);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

}  // namespace

std::string FileSafeSubjectCode(std::string_view subjectCodeCp1251) {
  std::string code(subjectCodeCp1251);
  for (char& c : code) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '_';
  }
  return code;
}

std::string ExportReportFileName(std::string_view subjectCodeCp1251) {
  return analysis::ReportFileName(FileSafeSubjectCode(subjectCodeCp1251));
}

std::filesystem::path ExportRecord(const analysis::LoadedRecord& loaded,
                                   const std::filesystem::path& folder) {
  const std::filesystem::path path = folder / ExportReportFileName(loaded.Record.SubjectCode);
  analysis::SaveReportFile(path, loaded.Report);
  return path;
}

int RunExport(const std::filesystem::path& folder,
              const std::vector<std::filesystem::path>& records, std::ostream& errors,
              const ExportStep& more) {
  std::error_code ignored;
  // A folder that cannot be made shows up as "Cannot create file" for each record.
  std::filesystem::create_directories(folder, ignored);
  int status = 0;
  for (const std::filesystem::path& record : records) {
    try {
      const analysis::LoadedRecord loaded = analysis::LoadRecordFile(record);
      ExportRecord(loaded, folder);
      if (more) more(loaded, folder);
    } catch (const runtime::Exception& e) {
      errors << record.string() << ": " << PrintableUtf8(e.Message()) << '\n';
      status = 1;
    } catch (const std::exception& e) {
      // Out of memory and the like: still one record's failure, not the whole run's.
      errors << record.string() << ": " << PrintableUtf8(e.what()) << '\n';
      status = 1;
    }
  }
  return status;
}

}  // namespace app
