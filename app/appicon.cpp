#include "app/appicon.h"

namespace AppIcon
{

QList<int> sizes()
{
    return {48, 64, 128, 256};
}

QIcon icon()
{
    QIcon icon;
    for (int s32Size : sizes())
        icon.addFile(QStringLiteral(":/appicon/%1x%1.png").arg(s32Size), QSize(s32Size, s32Size));
    return icon;
}

} // namespace AppIcon
