#include "forms/form_layout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "runtime/vb_error.h"

namespace forms {

namespace {

// Room under the list's mirrored top margin for the button and the label rows.
constexpr float kSpaceUnderList = 640.0f;
constexpr float kGapListToFirstRow = 100.0f;
constexpr float kButtonInset = 200.0f;
constexpr float kAutoScrollInset = 80.0f;
constexpr float kSourceToAutoScrollGap = 200.0f;
constexpr float kLabelRowPitch = 250.0f;
constexpr float kLowLabelHeight = 200.0f;

// Every control is moved in one go, and only once all four values are sound.
void moveTo(TwipsRect& control, const TwipsRect& target) {
  for (const float value : {target.left, target.top, target.width, target.height})
    if (!std::isfinite(value)) vb::raise(vb::err::Overflow);
  control = target;
}

float rightEdge(const TwipsRect& r) { return r.left + r.width; }
float bottomEdge(const TwipsRect& r) { return r.top + r.height; }

// A progress label that ends kButtonInset before the Analyse button.
TwipsRect stretchedLabel(const TwipsRect& label, const TwipsRect& button, float top, float height) {
  return {label.left, top, button.left - label.left - kButtonInset, height};
}

void layoutList(FormGeometry& g, float innerWidth, float innerHeight) {
  TwipsRect& list = g.lstText;
  const float width = innerWidth - 2 * list.left;
  const float height = innerHeight - 2 * list.top - kSpaceUnderList;
  moveTo(list, {list.left, list.top, width, height});
}

}  // namespace

FormGeometry designGeometry() {
  FormGeometry g{};
  g.cmdAnalyse = {4200, 3840, 1215, 375};
  g.lblSource = {240, 120, 735, 255};
  g.txtSource = {960, 120, 2895, 285};
  g.lstText = {240, 480, 5415, 3180};
  g.lblRunTime = {360, 3840, 3135, 255};
  g.lblSourceFile = {1320, 4080, 2775, 255};
  g.lblSearchFile = {1320, 4560, 2775, 255};
  g.lblPublic = {1320, 4320, 2775, 255};
  g.lblProcessing = {360, 4080, 855, 255};
  g.chkAutoScroll = {4560, 120, 1095, 255};
  return g;
}

ResizeDecision decideResize(float innerWidth, float outerWidth, float outerHeight, float minimumOuterWidth) {
  if (innerWidth == 0.0f) return {ResizeAction::Nothing, 0.0f};
  if (outerWidth < minimumOuterWidth) return {ResizeAction::SetOuterWidth, minimumOuterWidth};
  if (outerHeight < kMinimumOuterHeight) return {ResizeAction::SetOuterHeight, kMinimumOuterHeight};
  return {ResizeAction::Layout, 0.0f};
}

// Rows 2 and 5 make lblRunTime's width the inner width less the list's two
// margins, the button with its inset, the label's left and its own inset.
float minimumOuterWidth(const FormGeometry& g, float runTimeWidth, float frame) {
  const float inner = runTimeWidth + g.lstText.left + g.cmdAnalyse.width + kButtonInset + g.lblRunTime.left + kButtonInset;
  return std::max(kMinimumOuterWidth, inner + frame);
}

void layoutRow(int row, FormGeometry& g, float innerWidth, float innerHeight) {
  const TwipsRect& list = g.lstText;
  const float underList = bottomEdge(list) + kGapListToFirstRow;
  switch (row) {
    case 1:
      return layoutList(g, innerWidth, innerHeight);
    case 2: {
      TwipsRect& button = g.cmdAnalyse;
      return moveTo(button, {rightEdge(list) - button.width - kButtonInset, underList,
                             button.width, button.height});
    }
    case 3: {
      TwipsRect& box = g.chkAutoScroll;
      return moveTo(box, {rightEdge(list) - box.width - kAutoScrollInset, box.top, box.width,
                          box.height});
    }
    case 4: {
      TwipsRect& source = g.txtSource;
      return moveTo(source, {source.left, source.top,
                             g.chkAutoScroll.left - source.left - kSourceToAutoScrollGap,
                             source.height});
    }
    case 5:
      return moveTo(g.lblRunTime,
                    stretchedLabel(g.lblRunTime, g.cmdAnalyse, underList, g.lblRunTime.height));
    case 6: {
      TwipsRect& processing = g.lblProcessing;
      return moveTo(processing, {processing.left, g.lblRunTime.top + kLabelRowPitch,
                                 processing.width, processing.height});
    }
    case 7:
      return moveTo(g.lblSourceFile,
                    stretchedLabel(g.lblSourceFile, g.cmdAnalyse,
                                   g.lblRunTime.top + kLabelRowPitch, g.lblSourceFile.height));
    case 8:
      return moveTo(g.lblPublic, stretchedLabel(g.lblPublic, g.cmdAnalyse,
                                                g.lblSourceFile.top + kLabelRowPitch,
                                                kLowLabelHeight));
    case 9:
      return moveTo(g.lblSearchFile, stretchedLabel(g.lblSearchFile, g.cmdAnalyse,
                                                    g.lblPublic.top + kLabelRowPitch,
                                                    kLowLabelHeight));
    default:
      vb::raise(vb::err::InvalidProcedureCall);
  }
}

void layoutControls(FormGeometry& g, float innerWidth, float innerHeight) {
  for (int row = 1; row <= kLayoutRowCount; ++row) layoutRow(row, g, innerWidth, innerHeight);
}

}  // namespace forms
