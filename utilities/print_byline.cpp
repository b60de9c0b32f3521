#include "utilities/print_byline.h"

#include <string>
#include <string_view>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "runtime/codepage.h"
#include "runtime/vb_time.h"

namespace utilities {

namespace {
constexpr std::string_view kTimeDateGap = "    ";

std::string timeAndDateNow() {
  const std::tm now = vb::localNow();
  return vb::formatLongTime(now) + std::string(kTimeDateGap) + vb::formatShortDate(now);
}
}  // namespace

void gPrintBylineEndDoc(platform::Printer& printer, std::int16_t fontSize, bool& bError) {
  diagnostics::ErrorTrap trap{"modPrintBylineEndDoc", "gPrintBylineEndDoc", bError};
  std::string previousFont;

  if (!trap.step(1, [&] { previousFont = printer.fontName(); })) return;
  if (!trap.step(2, [&] { printer.setFontName(kBylineFont); })) return;
  if (fontSize != 0 && !trap.step(3, [&] { printer.setFontSize(fontSize); })) return;
  for (std::int32_t blankLine = 4; blankLine <= 6; ++blankLine)
    if (!trap.step(blankLine, [&] { printer.printLine(""); })) return;
  if (!trap.step(7, [&] { printer.printLine(vb::cp1252ToUtf8(diagnostics::gsMsgBoxTitle)); })) return;
  if (!trap.step(8, [&] { printer.printLine(vb::cp1252ToUtf8(timeAndDateNow())); })) return;
  if (!trap.step(9, [&] { printer.printLine(platform::ApplicationInfo::kWebAddress); })) return;
  if (!trap.step(10, [&] { printer.endDoc(); })) return;
  trap.step(11, [&] { printer.setFontName(previousFont); });
}

}  // namespace utilities
