// Each test is a small project that a plain text reading of "Public" lines
// gets wrong; each fails when the reading rule it names is taken away.
#include <gtest/gtest.h>

#include "tests/engine/judged_project.h"

namespace {

using engine_test::JudgedProject;
using engine_test::lines;
using engine_test::SourceFile;
using Verdicts = std::vector<std::string>;

const SourceFile kUnusedSub{"decl.bas", lines({"Public Sub Helper()", "End Sub"})};

TEST(SoundReadingTest, OnlyFormsAndModulesAreJudged) {
  test_support::ScriptedErrorHandler handler;
  JudgedProject p({{"c.cls", lines({"Public Sub FromOutside()", "End Sub"})}, kUnusedSub});
  EXPECT_EQ(p.verdicts(), Verdicts{"Public Sub Helper() -> Unused"});
}

TEST(SoundReadingTest, EveryKindOfCodeFileIsSearched) {
  test_support::ScriptedErrorHandler handler;
  for (const char* user : {"u.cls", "u.ctl", "u.pag", "u.dob", "u.dsr", "u.frm", "u.bas"}) {
    JudgedProject p({kUnusedSub, {user, lines({"Private Sub Go()", "    Helper", "End Sub"})}});
    EXPECT_EQ(p.verdicts(), Verdicts{}) << user;
  }
}

TEST(SoundReadingTest, MissingSearchedFileEndsTheRunBeforeAnyVerdict) {
  test_support::ScriptedErrorHandler handler;
  engine_test::ProjectFixture f;
  f.write("decl.bas", kUnusedSub.text);
  engine_test::AnalysisRun run(f.write("P.vbp", lines({"Module=d; decl.bas", "Class=c; gone.cls"})));
  run.go();
  EXPECT_EQ(run.view.list, (Verdicts{f.path("P.vbp"), "Can't find file '" + f.path("gone.cls") + "'"}));
  EXPECT_TRUE(run.bError);
  EXPECT_EQ(run.analyser.lastRun().missingSourceFile, f.path("gone.cls"));
}

TEST(SoundReadingTest, LinesEndAtCrLfCrOrLfUnlessVb6sReadingIsAsked) {
  test_support::ScriptedErrorHandler handler;
  const std::vector<SourceFile> files = {{"decl.bas", "Public Sub A()\nEnd Sub\nPublic Sub B()\nEnd Sub\n"},
                                         {"use.bas", "Sub Go()\r  A\rEnd Sub\r"}};
  EXPECT_EQ(JudgedProject(files).verdicts(), Verdicts{"Public Sub B() -> Unused"});
  // VB6 reads an LF-only file as one line: one declaration, of A, which
  // use.bas uses; B is never seen.
  JudgedProject vb6(files, "", utilities::LineEnds::Crlf);
  EXPECT_EQ(vb6.verdicts(), Verdicts{});
  EXPECT_EQ(vb6.run.view.lineEndWarnings, Verdicts{vb6.fixture.path("decl.bas")});
}

TEST(SoundReadingTest, LinesBeginningWithADotAreCode) {
  test_support::ScriptedErrorHandler handler;
  JudgedProject p({{"decl.bas", lines({"Public Title As String"})},
                   {"f.frm", lines({"Sub Show()", "With Me", ".Caption = Title", "End With", "End Sub"})}});
  EXPECT_EQ(p.verdicts(), Verdicts{});
}

TEST(SoundReadingTest, LiteralsAndCommentsAreNotUses) {
  struct Case {
    const char* code;
    bool uses;
  };
  const Case cases[] = {
      {"x = \"Foo\"", false},
      {"x = \"a\"\"Foo\"\"b\"", false},
      {"x = \"open Foo", false},
      {"x = 1 ' Foo", false},
      {"Rem Foo", false},
      {"   rem Foo", false},
      {"x = 1: REM Foo", false},
      {"x = 1 ' note _\r\nFoo", false},
      {"RemoveDll Foo", true},
      {"Call RemoveItem(Foo)", true},
      {"x = Remark: Foo", true},
      {"x = \"it's\": Foo", true},
      {"x = 1 ' a \" quote\r\nFoo", true},
  };
  test_support::ScriptedErrorHandler handler;
  for (const Case& c : cases) {
    JudgedProject p({{"decl.bas", lines({"Public Foo As Long"})},
                     {"use.bas", std::string(c.code) + "\r\n"}});
    EXPECT_EQ(p.verdicts(), c.uses ? Verdicts{} : Verdicts{"Public Foo As Long -> Unused"}) << c.code;
  }
}

// The declaration and its other file; "-" when the other file uses the name.
struct NamedCase {
  const char* declaration;
  const char* otherFile;
  const char* verdict;  // "" when not reported
};

void expectVerdicts(const NamedCase* begin, const NamedCase* end) {
  test_support::ScriptedErrorHandler handler;
  for (const NamedCase* c = begin; c != end; ++c) {
    JudgedProject p({{"decl.bas", lines({c->declaration, "End Sub", "End Function", "End Property", "End Enum",
                                         "End Type"})},
                     {"use.cls", std::string(c->otherFile) + "\r\n"}});
    const Verdicts expected = *c->verdict == '\0' ? Verdicts{} : Verdicts{std::string(c->declaration) + " -> " + c->verdict};
    EXPECT_EQ(p.verdicts(), expected) << c->declaration << " / " << c->otherFile;
  }
}

TEST(SoundReadingTest, ProcedureNamesFollowTheGrammar) {
  const NamedCase cases[] = {
      {"Public Static Function Total() As Long", "x = Total", ""},
      {"Public Static Function Total() As Long", "Static Sub S()", "Unused"},
      {"Public Property Get Value() As Long", "x = o.Value", ""},
      {"Public Property Get Value() As Long", "Public Property Get Other()", "Unused"},
      {"Public Declare PtrSafe Function GetTick Lib \"k\" () As Long", "t = GetTick", ""},
      {"Public Declare Sub Sleep Lib \"k\" (ByVal n As Long)", "Private Declare Sub Beep Lib \"k\" ()", "Unused"},
      {"Public Function Pick$(ByVal i As Long)", "s = Pick$(1)", ""},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
}

TEST(SoundReadingTest, TypeEnumEventAndWithEventsNamesFollowTheGrammar) {
  const NamedCase cases[] = {
      {"Public Enum eColour", "Dim c As eColour", ""},
      {"Public Enum eColour", "Public Enum eOther", "Unused"},
      {"Public Type tPoint", "Dim p As tPoint", ""},
      {"Public Type tPoint", "Private Type tSize", "Unused"},
      {"Public Event Changed()", "RaiseEvent Changed", ""},
      {"Public Event Changed()", "Public Event Other()", "Unused"},
      {"Public WithEvents mFrm As Form", "Set mFrm = Nothing", ""},
      {"Public WithEvents mFrm As Form", "Private WithEvents x As Form", "Unused"},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
}

TEST(SoundReadingTest, EveryNameOfAListIsDeclaredWithoutBoundsOrSuffix) {
  const NamedCase cases[] = {
      {"Public a, b As Long", "b = 1", ""},
      {"Public a, b As Long", "a, = 1", ""},
      {"Public Items(1 To 9) As Long", "x = Items(2)", ""},
      {"Public Names() As String", "ReDim Names(3)", ""},
      {"Public gsTitle$", "Caption = gsTitle", ""},
      {"Public Const A As Long = 1, B = 2", "x = B", ""},
      {"Public Const A = \"x, y\", B = 2", "y = 1", "Unused"},
      {"Public Grid(1, 2) As Long, Last As Long", "x = Last", ""},
      {"Public [My Name] As Long", "x = [My Name]", ""},
      {"Public A As Long: Public B As Long", "x = B", ""},
      {"x = 1: Public A As Long", "y = A", ""},
      {"x = 1: Public A As Long", "y = 1", "Unused"},
      {"Call F(n:=1): Public A As Long", "y = 1", "Unused"},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
}

TEST(SoundReadingTest, LinesThatDeclareNoNameAreNotReported) {
  const NamedCase cases[] = {
      {"Public", "x = 1", ""},
      {"Public Sub", "x = 1", ""},
      {"Public Const", "x = 1", ""},
      {"Publicity = 1", "x = 1", ""},
      {"[Public] X As Long", "x = 1", ""},
      {"Public [Sub] X()", "x = 1", "Private"},  // a variable named Sub, used by "End Sub"
      {"Public Sub , X", "x = 1", ""},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
}

TEST(SoundReadingTest, AUseIsAWholeIdentifierInAnyCase) {
  const NamedCase cases[] = {
      {"Public Sub Init()", "InitAll", "Unused"},
      {"Public Sub Init()", "init", ""},
      {"Public Sub Init()", "Call Module1.INIT", ""},
      {"Public \xC9tat As Long", "x = \xE9tat", ""},  // Windows-1252 É and é
      {"Public Sub Count()", "n = mnCounter", "Unused"},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
}

TEST(SoundReadingTest, OwnFileUsesOutsideTheDeclarationAndItsBody) {
  test_support::ScriptedErrorHandler handler;
  JudgedProject p({{"decl.bas", lines({"Public Sub Recursive()", "    Recursive", "End Sub",
                                       "Public gsSubject As String",  // "Sub" in a name skips nothing
                                       "Public Function SubTotal() As Long", "End Function",
                                       "Public Property Get Size() As Long", "    Size = Size + 1", "End Property",
                                       "Private Sub Later()", "    gsSubject = SubTotal", "End Sub"})}});
  EXPECT_EQ(p.verdicts(), (Verdicts{"Public Sub Recursive() -> Unused", "Public gsSubject As String -> Private",
                                    "Public Function SubTotal() As Long -> Private",
                                    "Public Property Get Size() As Long -> Unused"}));
}

TEST(SoundReadingTest, EnumMembersWithEventsHandlersAndEventHandlersAreUses) {
  test_support::ScriptedErrorHandler handler;
  JudgedProject p({{"decl.frm", lines({"Public Enum eSide", "    sideLeft = 1", "    sideRight", "End Enum",
                                       "Public Enum eOwn", "    ownA", "End Enum",
                                       "Public WithEvents mTimer As Timer", "Public Event Ticked()",
                                       "Public Event Rang()",
                                       "Private Sub mTimer_Timer()", "    RaiseEvent Rang", "    x = ownA",
                                       "End Sub"})},
                   {"use.cls", lines({"x = sideRight", "Private Sub mFrm_Ticked()", "End Sub"})}});
  EXPECT_EQ(p.verdicts(), (Verdicts{"Public Enum eOwn -> Private", "Public WithEvents mTimer As Timer -> Private",
                                    "Public Event Rang() -> Private"}));
}

TEST(SoundReadingTest, NamesTheRunTimeCallsAreUsed) {
  test_support::ScriptedErrorHandler handler;
  const std::string form = lines({"VERSION 5.00", "Begin VB.Form frmMain", "   Begin VB.CommandButton cmd_OK",
                                  "   End", "   Begin VB.Menu mnuFile", "   End", "End",
                                  "Attribute VB_Name = \"frmMain\"", "Private WithEvents mDoc As Document",
                                  "Public Sub Form_Load()", "End Sub", "Public Sub cmd_OK_Click()", "End Sub",
                                  "Public Sub mnuFile_Click()", "End Sub", "Public Sub mDoc_Saved()", "End Sub",
                                  "Public Sub Other_Click()", "End Sub"});
  const std::string module = lines({"Public Sub Main()", "End Sub", "Public Sub Form_Unload()", "End Sub"});
  JudgedProject started({{"f.frm", form}, {"m.bas", module}}, "Startup=\"Sub Main\"\r\n");
  EXPECT_EQ(started.verdicts(), (Verdicts{"Public Sub Form_Load() -> Private", "Public Sub cmd_OK_Click() -> Private",
                                          "Public Sub mnuFile_Click() -> Private",
                                          "Public Sub mDoc_Saved() -> Private", "Public Sub Other_Click() -> Unused",
                                          "Public Sub Form_Unload() -> Unused"}));
  JudgedProject formStarted({{"m.bas", module}}, "Startup=\"frmMain\"\r\n");
  EXPECT_EQ(formStarted.verdicts().front(), "Public Sub Main() -> Unused");
}

TEST(SoundReadingTest, ALineIsReportedOnlyWhenNoneOfItsNamesIsUsedElsewhere) {
  const NamedCase cases[] = {
      {"Public a, b, c As Long", "x = c", ""},
      {"Public a, b, c As Long", "x = d", "Unused"},
  };
  expectVerdicts(std::begin(cases), std::end(cases));
  test_support::ScriptedErrorHandler handler;
  JudgedProject p({{"decl.bas", lines({"Public a, b As Long", "Sub S()", "  b = 1", "End Sub"})}});
  EXPECT_EQ(p.verdicts(), Verdicts{"Public a, b As Long -> Private"});
  ASSERT_EQ(p.run.view.verdicts.size(), 1u);
  EXPECT_EQ(p.run.view.verdicts[0].names, (Verdicts{"a", "b"}));
}

}  // namespace
