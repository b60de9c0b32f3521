#pragma once
// The program's own window icon: a magnifying glass over a page of code.

#include <QIcon>

namespace main_window {

QIcon scopsterIcon();

}  // namespace main_window
