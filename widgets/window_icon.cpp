#include "widgets/window_icon.h"

#include <QPixmap>

#include "resources/scopster_icon.xpm"

namespace widgets {

QIcon scopsterIcon() { return QIcon(QPixmap(scopster_icon_xpm)); }

}  // namespace widgets
