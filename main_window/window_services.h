#pragma once
// What the Qt program gives the main window's form: the Qt dialogs, the
// splash and About box of about/, the default printer, the desktop's
// document opener.

#include "forms/frm_scopster.h"

class QWidget;

namespace diagnostics {
class Dialogs;
}

namespace main_window {

// The About box opens over window; dialogs must outlive the form.
forms::ScopsterServices windowServices(QWidget& window, diagnostics::Dialogs& dialogs);

}  // namespace main_window
