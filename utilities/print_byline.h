#pragma once
// The closing block of every printout: who printed it, when, and where the
// maker is found; then the end of the document.

#include <cstdint>

#include "platform/printer.h"

namespace utilities {

inline constexpr const char* kBylineFont = "Arial";

// Prints the by-line in Arial (at fontSize points, or the current size when
// 0), ends the document and puts the font name back. The size stays.
void gPrintBylineEndDoc(platform::Printer& printer, std::int16_t fontSize, bool& bError);

}  // namespace utilities
