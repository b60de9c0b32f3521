#pragma once
// Runs the real scopster-scan with chosen standard streams, for what can only
// be seen from outside the process: exit status, signals, a lost stdout.

#include <sys/types.h>

#include <string>
#include <vector>

namespace cli_test {

enum class Stdout { Pipe, DevFull, Closed };
// Stderr::Pipe blocks the program once it has written what a pipe holds.
enum class Stderr { File, Pipe };

class ScanProcess {
 public:
  ScanProcess(const std::vector<std::string>& arguments, Stdout out, Stderr err = Stderr::File);
  ~ScanProcess();
  ScanProcess(const ScanProcess&) = delete;
  ScanProcess& operator=(const ScanProcess&) = delete;

  // Reads up to count bytes of its standard output (Stdout::Pipe only).
  std::string readOut(std::size_t count);
  void interrupt() const;
  void terminate() const;
  // Reads up to count bytes of its standard error (Stderr::Pipe only).
  std::string readErr(std::size_t count);
  // Waits for the end, at most about timeoutSeconds (then kills it and
  // returns -1); the exit status, or 128 + signal.
  int wait(int timeoutSeconds);
  // The same, sending Ctrl+C every pollMilliseconds meanwhile (signals sent
  // close together can merge into one).
  int waitInterrupting(int timeoutSeconds, int pollMilliseconds);
  // Everything it wrote to standard error (after wait; Stderr::File only).
  std::string err() const;

 private:
  pid_t pid_ = -1;
  int outFd_ = -1;
  int errFd_ = -1;
  std::string errFile_;
};

}  // namespace cli_test
