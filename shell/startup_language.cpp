#include "startup_language.h"

#include "projects/private_files.h"

#include <QDebug>
#include <QLocale>

int startup_language()
{
    const QSettings settings = program_settings();
    if (settings.contains("language")) {
        const int value = settings.value("language").toInt();
        if (value != 0)
            return 1;
        qDebug() << value;
        return 0;
    }
    return QLocale::system().language() == QLocale::Chinese ? 0 : 1;
}

QString language_catalogue(int language)
{
    return language == 0 ? ":/languages/zh_CN.qm" : ":/languages/us_EN.qm";
}
