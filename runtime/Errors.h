// The error classes every subsystem raises; each carries the exact CP1251 text the user sees.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace runtime {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A text that does not convert to a number.
class EConvertError : public Exception {
  using Exception::Exception;
};

// Division of a non-zero value by zero.
class EZeroDivide : public Exception {
  using Exception::Exception;
};

// 0/0 and other operations without a result.
class EInvalidOp : public Exception {
  using Exception::Exception;
};

// A floating-point result too large for a double.
class EOverflow : public Exception {
  using Exception::Exception;
};

// A list read or written outside its bounds.
class EListError : public Exception {
  using Exception::Exception;
};

// A file that cannot be created or written in full.
class EFCreateError : public Exception {
  using Exception::Exception;
};

// A file that cannot be opened or read.
class EFOpenError : public Exception {
  using Exception::Exception;
};

// "List index out of bounds (%d)".
EListError ListIndexError(long long index);

// "Cannot create file %s", naming the file as the user chose it (UTF-8 file names become CP1251).
EFCreateError CannotCreateFileError(std::string_view utf8Path);

// The error box shows the message with a full stop appended when its last character's code is above
// that of "." (a letter or digit, but not a closing bracket or a full stop already there).
std::string ErrorBoxText(std::string_view message);

}  // namespace runtime
