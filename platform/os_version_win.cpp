// The system version from RtlGetVersion: GetVersionExA reports Windows 8 on
// every later Windows to a program without a compatibility manifest.

#include <windows.h>

#include <string>

#include "platform/system_services.h"
#include "platform/windows_text.h"

namespace platform {

namespace {
// The Windows version record holds 128 bytes of service-pack text with its NUL.
constexpr std::size_t kServicePackLength = 127;

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

RtlGetVersionFunction rtlGetVersion() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return nullptr;
  return reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")));
}
}  // namespace

std::optional<OsVersionInfo> queryOsVersion() {
  const RtlGetVersionFunction query = rtlGetVersion();
  if (query == nullptr) return std::nullopt;
  OSVERSIONINFOW record{};
  record.dwOSVersionInfoSize = sizeof(record);
  if (query(&record) != 0) return std::nullopt;
  OsVersionInfo info;
  info.platformId = static_cast<std::int32_t>(record.dwPlatformId);
  info.major = static_cast<std::int32_t>(record.dwMajorVersion);
  info.minor = static_cast<std::int32_t>(record.dwMinorVersion);
  info.build = static_cast<std::int32_t>(record.dwBuildNumber);
  info.servicePack = ansiFromWide(record.szCSDVersion).substr(0, kServicePackLength);
  return info;
}

}  // namespace platform
