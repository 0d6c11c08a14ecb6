#include "filesafety.h"

#include <QFile>
#include <QSaveFile>

bool replaceFileWithCopy(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(content) != content.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
