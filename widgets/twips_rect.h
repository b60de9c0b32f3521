#pragma once
// The twips rectangle of the form logic, under the name the Qt helpers use.

#include "forms/twips_rect.h"

namespace widgets {

using forms::TwipsRect;

}  // namespace widgets
