#pragma once
// The program's own window icon: a magnifying glass over a page of code.

#include <QIcon>

namespace widgets {

QIcon scopsterIcon();

}  // namespace widgets
