#include "main_window/window_icon.h"

#include <QPixmap>

#include "resources/scopster_icon.xpm"

namespace main_window {

QIcon scopsterIcon() { return QIcon(QPixmap(scopster_icon_xpm)); }

}  // namespace main_window
