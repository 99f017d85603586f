#pragma once

#include <QIcon>

namespace AppIcon
{

// The application's icon in every size the picture generator draws it, so
// the desktop picks a sharp one for the task bar, the title bar and the
// window switcher.
QIcon icon();
// Those sizes, in pixels.
QList<int> sizes();

} // namespace AppIcon
