#pragma once
// What an analysis run reports as it goes, for whoever shows or collects it:
// the run says what happens, its receivers decide how it looks. Paths are
// UTF-8 text (a native part, then a project's entry converted from
// Windows-1252); declarations and names are Windows-1252 bytes, as the code
// files hold them. Texts are valid only during the call.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One reported declaration: none of the project's other code files uses it.
struct Verdict {
  std::string_view project;            // the project path
  std::string_view sourceFile;         // as the project lists it
  std::filesystem::path openedFile;    // the file read for it
  std::int32_t line = 0;               // of the declaration in its file, from 1
  std::string_view declaration;        // the whole line
  std::vector<std::string_view> names; // every name the line declares, in order
  bool usedInOwnFile = false;          // used in its own file only; otherwise not at all
};

class RunEvents {
 public:
  using Elapsed = std::chrono::milliseconds;

  virtual ~RunEvents() = default;

  // The run begins on a project path.
  virtual void runStarted(std::string_view project) = 0;
  // The project path names no file; the run ends here.
  virtual void projectMissing() = 0;
  // The project lists count forms and modules, whose declarations are judged.
  virtual void declaringFilesCounted(std::int32_t count) = 0;
  // A code file the project lists is not there; the run ends on an error.
  virtual void codeFileMissing(std::string_view path) = 0;
  // A form or module is read for its declarations.
  virtual void fileReadStarted(std::string_view path) = 0;
  // A code file is searched for the declared names.
  virtual void fileSearched(std::string_view path) = 0;
  // The declarations of declaring file index (from 1) of count are judged.
  virtual void declaringFileStarted(std::int32_t index, std::int32_t count, std::string_view path) = 0;
  virtual void declarationStarted(std::string_view declaration) = 0;
  virtual void verdict(const Verdict& verdict) = 0;
  // A file with LF line ends and no CR LF, read while lines end at CR only:
  // its lines run together, so its results mean little.
  virtual void lineEndsWarning(std::string_view file) = 0;
  // The time since the run started; most ticks change nothing a user sees.
  virtual void clockTick(Elapsed elapsed) = 0;
  // How a run that got as far as its files ended.
  virtual void runFinished(Elapsed elapsed) = 0;
  virtual void runFailed(Elapsed elapsed) = 0;
  virtual void runStopped() = 0;

  // A stop of the run has been requested.
  virtual bool stopRequested() const = 0;
  // Lets whoever waits on the run act (Stop, closing, a progress line...).
  virtual void yield() = 0;
};

// Passes every event on; derive from it to see some of them on the way.
class RunEventsRelay : public RunEvents {
 public:
  explicit RunEventsRelay(RunEvents& next) : next_(next) {}

  void runStarted(std::string_view project) override { next_.runStarted(project); }
  void projectMissing() override { next_.projectMissing(); }
  void declaringFilesCounted(std::int32_t count) override { next_.declaringFilesCounted(count); }
  void codeFileMissing(std::string_view path) override { next_.codeFileMissing(path); }
  void fileReadStarted(std::string_view path) override { next_.fileReadStarted(path); }
  void fileSearched(std::string_view path) override { next_.fileSearched(path); }
  void declaringFileStarted(std::int32_t index, std::int32_t count, std::string_view path) override {
    next_.declaringFileStarted(index, count, path);
  }
  void declarationStarted(std::string_view declaration) override { next_.declarationStarted(declaration); }
  void verdict(const Verdict& verdict) override { next_.verdict(verdict); }
  void lineEndsWarning(std::string_view file) override { next_.lineEndsWarning(file); }
  void clockTick(Elapsed elapsed) override { next_.clockTick(elapsed); }
  void runFinished(Elapsed elapsed) override { next_.runFinished(elapsed); }
  void runFailed(Elapsed elapsed) override { next_.runFailed(elapsed); }
  void runStopped() override { next_.runStopped(); }
  bool stopRequested() const override { return next_.stopRequested(); }
  void yield() override { next_.yield(); }

 private:
  RunEvents& next_;
};

}  // namespace engine
