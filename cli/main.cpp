#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/scan_command.h"
#include "platform/console.h"

namespace {
std::atomic<bool> stopRequested{false};
extern "C" void requestStop(int) { stopRequested = true; }
}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGINT, requestStop);
  platform::useBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments = platform::commandLineArguments(argc, argv);
  return cli::runScanCommand(arguments, std::cout, std::cerr, &stopRequested);
}
