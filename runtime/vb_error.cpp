#include "runtime/vb_error.h"

#include <cerrno>
#include <utility>

namespace vb {

std::string_view standardDescription(std::int32_t number) {
  switch (number) {
    case err::InvalidProcedureCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::OutOfMemory: return "Out of memory";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::TypeMismatch: return "Type mismatch";
    case err::InternalError: return "Internal error";
    case err::BadFileNameOrNumber: return "Bad file name or number";
    case err::FileNotFound: return "File not found";
    case err::DeviceIoError: return "Device I/O error";
    case err::DiskFull: return "Disk full";
    case err::DeviceUnavailable: return "Device unavailable";
    case err::PermissionDenied: return "Permission denied";
    case err::PathFileAccessError: return "Path/File access error";
    case err::PathNotFound: return "Path not found";
    case err::ObjectNotSet: return "Object variable or With block variable not set";
    case err::InvalidPropertyValue: return "Invalid property value";
    case err::PrinterError: return "Printer error";
    default: return "Application-defined or object-defined error";
  }
}

VbError::VbError(std::int32_t number, std::string description, std::string source,
                 std::int32_t lastDllError)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      lastDllError_(lastDllError) {}

VbError VbError::standard(std::int32_t number, std::int32_t lastDllError) {
  return VbError(number, std::string(standardDescription(number)), std::string(kDefaultSource),
                 lastDllError);
}

VbError VbError::programDefined(std::string source, std::string description) {
  return VbError(kProgramDefinedError, std::move(description), std::move(source));
}

std::int32_t errorNumberForErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT: return err::FileNotFound;
    case ENOTDIR: return err::PathNotFound;
    case EACCES:
    case EPERM: return err::PermissionDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return err::DiskFull;
    case EIO: return err::DeviceIoError;
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
    case ENXIO:
    case ENODEV: return err::DeviceUnavailable;
    case ENAMETOOLONG:
    case EINVAL:
    case EBADF: return err::BadFileNameOrNumber;
    case ENOMEM: return err::OutOfMemory;
    default: return err::PathFileAccessError;
  }
}

VbError VbError::fromErrno(int errnoValue) {
  return standard(errorNumberForErrno(errnoValue), errnoValue);
}

void raise(std::int32_t number) { throw VbError::standard(number); }

}  // namespace vb
