#include "Startup.h"

#include <QCoreApplication>
#include <QDir>

void enterExecutableFolder()
{
    const QString path = QCoreApplication::applicationFilePath();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        QDir::setCurrent(path.left(slash));
}
