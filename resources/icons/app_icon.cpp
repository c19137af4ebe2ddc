#include "resources/icons/app_icon.h"

#include <QDir>

namespace resources {

QIcon ApplicationIcon()
{
    // Each size was painted for itself; the desktop picks the one it needs.
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

} // namespace resources
