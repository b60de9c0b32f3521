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

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;  // no surrogates
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  return length;
}

// A path as the system gave it may be no UTF-8 at all: a byte outside a valid
// sequence (a lone 0x9B is CSI to some terminals) shows as "?" too.
std::string terminalSafe(std::string_view utf8, bool keepLayout) {
  std::string shown;
  shown.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = utf8SequenceLength(utf8, at);
    const bool control = length == 1 && isControl(static_cast<unsigned char>(utf8[at]), keepLayout);
    if (length == 0 || control || isC1Control(utf8, at)) {
      shown += '?';
      at += length == 0 ? 1 : length;
    } else {
      shown.append(utf8, at, length);
      at += length;
    }
  }
  return shown;
}

std::string terminalSafeFrom1252(std::string_view text, bool keepLayout) {
  return terminalSafe(vb::cp1252ToUtf8(text), keepLayout);
}

}  // namespace cli
