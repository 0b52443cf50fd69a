#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace app {

void loadFonts()
{
    const char* files[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
    };
    for (const char* file : files)
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

} // namespace app
