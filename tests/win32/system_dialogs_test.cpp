#include <gtest/gtest.h>

#include "diagnostics/dialogs.h"
#include "tests/support/test_support.h"
#include "tests/win32/window_script.h"
#include "win32/system_dialogs.h"

namespace {

namespace mb = diagnostics::msgbox;

win32::SystemDialogs dialogsWithoutTextDialog() {
  return win32::SystemDialogs([](std::string_view) -> std::string { throw std::logic_error("not asked for"); });
}

// The system's box shows our Windows-1252 text and answers with the button
// pressed, in Visual Basic's numbers.
TEST(SystemDialogsTest, MessageBoxShowsTheTextAndAnswersWithThePressedButton) {
  struct Case {
    int style;
    int button;
    int answer;
  };
  const Case cases[] = {{mb::OkOnly, IDOK, mb::Ok},
                        {mb::AbortRetryIgnore | mb::Exclamation, IDRETRY, mb::Retry},
                        {mb::AbortRetryIgnore | mb::Exclamation | mb::DefaultButton2, IDIGNORE, mb::Ignore},
                        {mb::YesNo, IDNO, mb::No}};
  win32::SystemDialogs dialogs = dialogsWithoutTextDialog();
  win32_test::WindowScript answerer;
  for (const Case& c : cases) {
    answerer.answerBox(c.button);
    EXPECT_EQ(dialogs.messageBox("Caf\xE9 \x80 5", c.style, "Scopster v0.916"), c.answer) << c.style;
  }
  ASSERT_EQ(answerer.boxes().size(), std::size(cases));
  EXPECT_EQ(answerer.boxes()[0].text, L"Caf\u00E9 \u20AC 5");
  EXPECT_EQ(answerer.boxes()[0].title, L"Scopster v0.916");
}

TEST(SystemDialogsTest, StylesTheProgramNeverAsksForAreRefused) {
  win32::SystemDialogs dialogs = dialogsWithoutTextDialog();
  for (const int style : {1, 3, 5, 16, 64, 0x1000})
    EXPECT_EQ(test_support::raisedVbError([&] { dialogs.messageBox("x", style, "t"); }), vb::err::InvalidProcedureCall)
        << style;
}

TEST(SystemDialogsTest, FileFilterPairsEndInNuls) {
  EXPECT_EQ(win32::fileDialogFilter("Visual Basic Projects (*.vbp)|*.vbp"),
            std::wstring(L"Visual Basic Projects (*.vbp)\0*.vbp\0", 36));
  EXPECT_EQ(test_support::raisedVbError([] { win32::fileDialogFilter("a|b|c"); }), vb::err::InvalidProcedureCall);
}

}  // namespace
