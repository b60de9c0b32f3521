#include "main_window/default_printer.h"

#include <QPrinterInfo>

#include "platform/qt/printer_qt.h"

namespace main_window {

std::unique_ptr<platform::Printer> defaultPrinter() {
  if (QPrinterInfo::defaultPrinter().isNull()) platform::raiseNoDefaultPrinter();
  return std::make_unique<platform::QtPrinter>();
}

}  // namespace main_window
