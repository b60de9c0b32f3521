#pragma once
// The failure every procedure raises: a Visual Basic error number, its text,
// the source label and the last operating-system error at the moment it arose.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vb {

// Numbers of the run-time errors our code raises; each number's text is
// standardDescription's, so raising one is vb::raise(number).
namespace err {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t InternalError = 51;
inline constexpr std::int32_t BadFileNameOrNumber = 52;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t DeviceIoError = 57;
inline constexpr std::int32_t DiskFull = 61;
inline constexpr std::int32_t DeviceUnavailable = 68;
inline constexpr std::int32_t PermissionDenied = 70;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t PathNotFound = 76;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t InvalidPropertyValue = 380;
inline constexpr std::int32_t PrinterError = 482;
}  // namespace err

// Errors the program detects itself carry this number (hexadecimal 80040000).
inline constexpr std::int32_t kProgramDefinedError = -2147221504;

// The source label of run-time errors, as the run-time gives it.
inline constexpr std::string_view kDefaultSource = "Scopster";

// The run-time's text for a standard error number; "Application-defined or
// object-defined error" for numbers it does not know.
std::string_view standardDescription(std::int32_t number);

class VbError : public std::runtime_error {
 public:
  VbError(std::int32_t number, std::string description,
          std::string source = std::string(kDefaultSource),
          std::int32_t lastDllError = 0);

  static VbError standard(std::int32_t number, std::int32_t lastDllError = 0);
  static VbError programDefined(std::string source, std::string description);
  // Maps a POSIX errno value to the matching file error (53, 70, 76, ...).
  static VbError fromErrno(int errnoValue);

  std::int32_t number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }
  const std::string& source() const noexcept { return source_; }
  std::int32_t lastDllError() const noexcept { return lastDllError_; }
  // The file the failure was about, as UTF-8 text; empty when none.
  // The error handler adds it to the log record and the box after the text.
  const std::string& file() const noexcept { return file_; }
  void setFile(std::string file) { file_ = std::move(file); }

 private:
  std::int32_t number_;
  std::string description_;
  std::string source_;
  std::int32_t lastDllError_;
  std::string file_;
};

[[noreturn]] void raise(std::int32_t number);

// The VB error number for a POSIX errno value.
std::int32_t errorNumberForErrno(int errnoValue);

}  // namespace vb
