#include "platform/child_process_posix.h"
#include "platform/system_information.h"

namespace platform {

std::optional<std::string> findSystemInformationProgram(std::string_view pathVariable) {
  for (const std::string_view name : kSystemInformationPrograms) {
    if (auto found = findOnPath(name, pathVariable)) return found->string();
  }
  return std::nullopt;
}

std::optional<std::string> findSystemInformationProgram() {
  return findSystemInformationProgram(currentPathVariable());
}

bool startSystemInformationProgram(const std::string& program) { return startDetached(program); }

}  // namespace platform
