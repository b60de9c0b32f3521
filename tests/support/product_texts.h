#pragma once
// The program's global texts (version, box title, system, region) set for the
// lifetime of the object and cleared afterwards, so no test depends on the
// order the tests run in.

#include <string>
#include <utility>

#include "diagnostics/app_globals.h"

namespace test_support {

class ProductTexts {
 public:
  explicit ProductTexts(std::string version = "Scopster v0.916", std::string title = "Scopster v0.916") {
    clear();
    diagnostics::gsProductVersion = std::move(version);
    diagnostics::gsMsgBoxTitle = std::move(title);
  }
  ~ProductTexts() { clear(); }
  ProductTexts(const ProductTexts&) = delete;
  ProductTexts& operator=(const ProductTexts&) = delete;

 private:
  static void clear() {
    for (std::string* text : {&diagnostics::gsProductVersion, &diagnostics::gsMsgBoxTitle,
                              &diagnostics::gsOSVersion, &diagnostics::gsUserRegion})
      text->clear();
  }
};

}  // namespace test_support
