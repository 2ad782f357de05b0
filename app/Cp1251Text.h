// CP1251 bytes from the record, the report and the chart shown in Qt: the one place where the
// program's single-byte text becomes a QString.
#pragma once

#include <QString>
#include <string_view>

#include "runtime/Cp1251.h"

namespace app {

// Every byte becomes its character; 0x98, which the code page leaves undefined, becomes U+0098.
inline QString FromCp1251(std::string_view bytes) {
  return QString::fromStdU16String(runtime::Cp1251ToUtf16(bytes));
}

}  // namespace app
