#pragma once
// Windows only: where the system-information program is registered.

#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// The two registry reads under root (HKEY_LOCAL_MACHINE for the real lookup):
// the full path in "SOFTWARE\Microsoft\Shared Tools\MSINFO" value "PATH"; else
// the folder in "SOFTWARE\Microsoft\Shared Tools Location" value "MSINFO",
// with "\MSINFO32.EXE" added when that file is there (the folder alone when it
// is not, which then fails to start). nullopt when neither read finds a text.
std::optional<std::string> findSystemInformationProgramUnder(HKEY root);

// One REG_SZ value, the key opened for reading only; nullopt when the key or
// the value is missing, or holds no text.
std::optional<std::string> readRegistryText(HKEY root, const std::string& subKey, const std::string& valueName);

}  // namespace platform
