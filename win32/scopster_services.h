#pragma once
// What the main window's form opens besides itself, as Scopster.exe has it:
// the Win32 splash and About box, the default printer through GDI, the
// application's folder and the shell's document opener.

#include "diagnostics/dialogs.h"
#include "forms/frm_scopster.h"

namespace win32 {

forms::ScopsterServices scopsterServices(diagnostics::Dialogs& dialogs);

}  // namespace win32
