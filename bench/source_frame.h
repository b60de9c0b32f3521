#pragma once
// The fixed frame of a source file: a form's description block and the
// attribute lines the VB6 IDE writes, and the module-level lines every file
// starts its code with.

#include <string>
#include <vector>

namespace bench {

// Everything up to and including "Option Explicit" and the module-level
// private declarations; Public declarations follow it.
std::vector<std::string> fileFrameTop(const std::string& moduleName, bool isForm, int fileNumber);

// Procedure opening: a blank separator, the header, the local Dim lines.
std::vector<std::string> procedureOpening(const std::string& header);

// Private procedures every form has.
std::vector<std::string> formEventHeaders();

}  // namespace bench
