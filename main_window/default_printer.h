#pragma once
// Where File > Print sends the result list: a printer made afresh for each
// printout, so that a printer installed while the program runs is found.

#include <functional>
#include <memory>

#include "platform/printer.h"

namespace main_window {

using PrinterFactory = std::function<std::unique_ptr<platform::Printer>()>;

// The system's default printer. Raises Printer error (482), naming the cause,
// when there is none, before anything is printed, so that the failure is
// reported once.
std::unique_ptr<platform::Printer> defaultPrinter();

}  // namespace main_window
