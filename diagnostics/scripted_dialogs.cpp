#include "diagnostics/scripted_dialogs.h"

namespace diagnostics {

int ScriptedDialogs::messageBox(std::string_view prompt, int style, std::string_view title) {
  boxes_.push_back(ShownBox{std::string(prompt), style, std::string(title)});
  if (observer_) observer_(boxes_.back());
  if (answers_.empty()) return defaultAnswer_;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::string ScriptedDialogs::openFile(const FileOpenRequest& request) {
  fileRequests_.push_back(request);
  if (files_.empty()) return request.fileName;  // Cancel
  std::string chosen = std::move(files_.front());
  files_.pop_front();
  return chosen;
}

std::string ScriptedDialogs::multiLineText(std::string_view caption) {
  textCaptions_.emplace_back(caption);
  if (texts_.empty()) return {};  // Cancel
  std::string typed = std::move(texts_.front());
  texts_.pop_front();
  return typed;
}

}  // namespace diagnostics
