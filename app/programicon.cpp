#include "app/programicon.h"

// The icon resources sit in this static library; naming them keeps the linker from dropping
// them, since nothing else refers to their code. Must be called outside any namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

QIcon programIcon()
{
    initIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/cantrix3-%1.png").arg(size), QSize(size, size));
    return icon;
}
