#pragma once
// The main window's layout as arithmetic on twips, free of widgets: the window
// reads its client size, asks what to do, and moves its controls to the
// rectangles computed here. All values are single precision, like the form's.

#include "forms/twips_rect.h"

namespace forms {

struct FormGeometry {
  TwipsRect lstText, cmdAnalyse, chkAutoScroll, txtSource, lblRunTime, lblProcessing,
      lblSourceFile, lblPublic, lblSearchFile, lblSource;
};

// The controls where the form designer put them (client area 6000 x 5010).
FormGeometry designGeometry();

inline constexpr float kMinimumOuterWidth = 4800.0f;
inline constexpr float kMinimumOuterHeight = 4000.0f;

enum class ResizeAction { Nothing, SetOuterWidth, SetOuterHeight, Layout };
struct ResizeDecision {
  ResizeAction action;
  float value;  // the new outer size for SetOuterWidth/SetOuterHeight, else 0
};

// Minimised: nothing. Too small: raise one dimension (width first) and let the
// resize event that follows go on. Otherwise lay out.
ResizeDecision decideResize(float innerWidth, float outerWidth, float outerHeight,
                            float minimumOuterWidth = kMinimumOuterWidth);

// The least outer width at which the layout gives lblRunTime runTimeWidth:
// kMinimumOuterWidth, or more where the run-time caption needs more room in
// the current font than the design gave it. frame is the outer width less
// the inner width.
float minimumOuterWidth(const FormGeometry& g, float runTimeWidth, float frame);

// The layout moves the controls in this many rows, one control per row.
inline constexpr int kLayoutRowCount = 9;

// Moves the control of one row (1..kLayoutRowCount) as a whole; a row reads the
// values earlier rows have already set. Raises Overflow (6) when a value leaves
// the single-precision range, leaving that control untouched, and Invalid
// procedure call (5) for a row outside 1..kLayoutRowCount. The list shows
// partial lines, so it takes the height asked.
void layoutRow(int row, FormGeometry& g, float innerWidth, float innerHeight);

// All rows in order; stops at the first failing row.
void layoutControls(FormGeometry& g, float innerWidth, float innerHeight);

}  // namespace forms
