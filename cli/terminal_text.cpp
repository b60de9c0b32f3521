#include "cli/terminal_text.h"

#include "runtime/codepage.h"

namespace cli {

namespace {
bool isControl(unsigned char byte, bool keepLayout) {
  if (byte == '\n' || byte == '\t') return !keepLayout;
  return byte < 0x20 || byte == 0x7F;
}

// U+0080 to U+009F are C2 80 to C2 9F in UTF-8; some terminals obey them.
bool isC1Control(std::string_view utf8, std::size_t at) {
  if (static_cast<unsigned char>(utf8[at]) != 0xC2 || at + 1 >= utf8.size()) return false;
  const auto next = static_cast<unsigned char>(utf8[at + 1]);
  return next >= 0x80 && next <= 0x9F;
}
}  // namespace

std::string terminalSafe(std::string_view utf8, bool keepLayout) {
  std::string shown;
  shown.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    if (isC1Control(utf8, at)) {
      shown += '?';
      ++at;
    } else if (isControl(static_cast<unsigned char>(utf8[at]), keepLayout)) {
      shown += '?';
    } else {
      shown += utf8[at];
    }
  }
  return shown;
}

std::string terminalSafeFrom1252(std::string_view text, bool keepLayout) {
  return terminalSafe(vb::cp1252ToUtf8(text), keepLayout);
}

}  // namespace cli
