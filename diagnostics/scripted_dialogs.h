#pragma once
// A Dialogs that answers from a script and remembers what it was asked:
// for tests, and for the terminal tool, which cannot ask anyone.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "diagnostics/dialogs.h"

namespace diagnostics {

struct ShownBox {
  std::string prompt;
  int style = 0;
  std::string title;
};

class ScriptedDialogs : public Dialogs {
 public:
  // defaultAnswer is given once the scripted answers have run out.
  explicit ScriptedDialogs(int defaultAnswer = msgbox::Abort) : defaultAnswer_(defaultAnswer) {}

  void queueAnswer(int answer) { answers_.push_back(answer); }
  void queueFile(std::string path) { files_.push_back(std::move(path)); }
  // The next multi-line text typed; once they run out, the dialog is cancelled.
  void queueText(std::string text) { texts_.push_back(std::move(text)); }
  // Called with every box before it is answered (the terminal tool prints it).
  void onBox(std::function<void(const ShownBox&)> observer) { observer_ = std::move(observer); }

  int messageBox(std::string_view prompt, int style, std::string_view title) override;
  std::string openFile(const FileOpenRequest& request) override;
  std::string multiLineText(std::string_view caption) override;

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  const std::vector<FileOpenRequest>& fileRequests() const { return fileRequests_; }
  const std::vector<std::string>& textCaptions() const { return textCaptions_; }

 private:
  int defaultAnswer_;
  std::deque<int> answers_;
  std::deque<std::string> files_;
  std::deque<std::string> texts_;
  std::vector<std::string> textCaptions_;
  std::vector<ShownBox> boxes_;
  std::vector<FileOpenRequest> fileRequests_;
  std::function<void(const ShownBox&)> observer_;
};

}  // namespace diagnostics
