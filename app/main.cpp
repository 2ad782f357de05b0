// stroop-analyser: the Stroop record analyser's entry point.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ExportCharts.h"
#include "app/RunWindow.h"
#include "app/Version.h"
#include "runtime/FormatSettings.h"
#include "runtime/TemporaryFiles.h"

int main(int argc, char** argv) {
  // A write beyond the file-size limit fails with an error instead of killing the program, and an
  // interruption removes the temporary files being written.
  runtime::InstallSignalHandlers();
  runtime::LoadFormatSettingsFromLocale();
  const char localeDecimal = runtime::DecimalSeparator();
  app::CommandLine line;
  try {
    line = app::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const app::CommandLineError& e) {
    std::cerr << "stroop-analyser: " << e.what()
              << "\n(stroop-analyser --help lists the options)\n";
    return 2;
  }
  if (line.decimalSeparator) runtime::ChooseDecimalSeparator(*line.decimalSeparator);
  switch (line.mode) {
    case app::CommandLine::Mode::Export: return app::RunExportCommand(argv, line, localeDecimal);
    case app::CommandLine::Mode::Help: std::cout << app::Usage(); return 0;
    case app::CommandLine::Mode::Version: std::cout << app::VersionText() << '\n'; return 0;
    case app::CommandLine::Mode::Window: break;
  }
  std::optional<std::filesystem::path> record;
  if (!line.records.empty()) record = line.records.front();
  return app::RunWindow(argc, argv, record);
}
