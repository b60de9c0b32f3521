#pragma once
// A small dialog's view that keeps what its form set, in the order it came.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_view.h"

namespace test_support {

template <typename View, typename Control>
class RecordingFormView : public View {
 public:
  void setTitle(std::string_view text) override { title = text; }
  void setClientSize(float, float) override {}
  void setCaption(Control control, std::string_view caption) override {
    captions[control] = caption;
    events.push_back("caption " + std::string(caption));
  }
  void placeControl(Control, const forms::TwipsRect&) override { events.push_back("place"); }

  std::string title;
  std::map<Control, std::string> captions;
  std::vector<std::string> events;
};

}  // namespace test_support
