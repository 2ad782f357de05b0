// Sets the decimal and thousands separators for one test and restores the previous ones afterwards.
#pragma once

#include "runtime/FormatSettings.h"

namespace runtime {

class SeparatorGuard {
 public:
  SeparatorGuard(char decimal, char thousands)
      : savedDecimal_(DecimalSeparator()), savedThousands_(ThousandSeparator()) {
    SetDecimalSeparator(decimal);
    SetThousandSeparator(thousands);
  }
  ~SeparatorGuard() {
    SetDecimalSeparator(savedDecimal_);
    SetThousandSeparator(savedThousands_);
  }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;

 private:
  char savedDecimal_;
  char savedThousands_;
};

}  // namespace runtime
