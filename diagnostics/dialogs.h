#pragma once
// Everything that waits for a person goes through this interface: the real one
// shows Qt dialogs, tests and the terminal tool answer from a script.

#include <string>
#include <string_view>

namespace diagnostics {

// Message box styles and answers, with Visual Basic's numbers.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNo = 4;
inline constexpr int Exclamation = 48;
inline constexpr int DefaultButton2 = 256;
inline constexpr int ButtonMask = 0x7;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace msgbox

// What the file-open dialog is asked to show. Texts are UTF-8: the folder and
// the file are paths the system gives, which Windows-1252 cannot always spell.
struct FileOpenRequest {
  std::string title;
  std::string filter;         // "Description|pattern"
  std::string fileName;       // given in; returned unchanged on Cancel
  std::string initialFolder;
  int flags = 0;              // Windows file-dialog option bits
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box and returns the answer (msgbox::Ok ... No).
  virtual int messageBox(std::string_view prompt, int style, std::string_view title) = 0;
  // Shows the modal file-open dialog; returns the chosen full path, or the
  // request's file name when the user cancels.
  virtual std::string openFile(const FileOpenRequest& request) = 0;
  // Shows the modal multi-line text dialog with the given caption; returns
  // the text as typed (untrimmed), or "" when the user cancelled.
  virtual std::string multiLineText(std::string_view caption) = 0;
};

}  // namespace diagnostics
