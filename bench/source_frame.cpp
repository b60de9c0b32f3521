#include "bench/source_frame.h"

namespace bench {
namespace {

std::vector<std::string> formDescription(const std::string& name, int fileNumber) {
  const std::string number = std::to_string(fileNumber);
  return {
      "VERSION 5.00",
      "Begin VB.Form " + name + " ",
      "   Caption         =   \"Bench form " + number + "\"",
      "   ClientHeight    =   3195",
      "   ClientLeft      =   60",
      "   ClientTop       =   345",
      "   ClientWidth     =   4680",
      "   LinkTopic       =   \"Form" + number + "\"",
      "   ScaleHeight     =   3195",
      "   ScaleWidth      =   4680",
      "   StartUpPosition =   3  'Windows Default",
      "   Begin VB.TextBox txtValue ",
      "      Height          =   285",
      "      Left            =   120",
      "      TabIndex        =   1",
      "      Top             =   120",
      "      Width           =   3000",
      "   End",
      "   Begin VB.CommandButton cmdOk ",
      "      Caption         =   \"OK\"",
      "      Default         =   -1  'True",
      "      Height          =   375",
      "      Left            =   3360",
      "      TabIndex        =   0",
      "      Top             =   120",
      "      Width           =   1215",
      "   End",
      "End",
      "Attribute VB_Name = \"" + name + "\"",
      "Attribute VB_GlobalNameSpace = False",
      "Attribute VB_Creatable = False",
      "Attribute VB_PredeclaredId = True",
      "Attribute VB_Exposed = False",
  };
}

std::vector<std::string> moduleAttributes(const std::string& name) {
  return {"Attribute VB_Name = \"" + name + "\"", "' " + name + ": shared routines of the bench project"};
}

}  // namespace

std::vector<std::string> fileFrameTop(const std::string& moduleName, bool isForm, int fileNumber) {
  std::vector<std::string> lines = isForm ? formDescription(moduleName, fileNumber) : moduleAttributes(moduleName);
  lines.insert(lines.end(), {
      "Option Explicit",
      "",
      // Every file holds "Const" in code, so a Public Const (whose name the
      // engine cuts out as "Const") is always found in another file.
      "Private Const MODULE_ID As Long = " + std::to_string(fileNumber),
      "Private mnCallCount As Long",
  });
  return lines;
}

std::vector<std::string> procedureOpening(const std::string& header) {
  return {
      "",
      header,
      "    Dim nIndex As Long, nCount As Long, nTotal As Long, nResult As Long",
      "    Dim sText As String, dValue As Double, bReady As Boolean",
  };
}

std::vector<std::string> formEventHeaders() {
  return {"Private Sub Form_Load()", "Private Sub cmdOk_Click()", "Private Sub txtValue_Change()"};
}

}  // namespace bench
