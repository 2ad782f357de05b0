// The resident memory of this process, for growth checks.
#pragma once

#include <cstddef>

namespace reliability {

// Resident set size in KiB from /proc/self/statm; 0 where it cannot be read.
std::size_t ResidentKiB();

// Whether AddressSanitizer is in the build: its quarantine holds freed memory, so resident size
// says nothing about growth there (LeakSanitizer checks leaks in that build instead).
constexpr bool kAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

}  // namespace reliability
