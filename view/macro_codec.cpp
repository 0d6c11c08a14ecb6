#include "macro_codec.h"

#include <cstring>

namespace macrocodec {

const QString downCommand = QStringLiteral("    [Down]");
const QString upCommand = QStringLiteral("      [Up]");
const QString delayCommand = QStringLiteral("   [Delay]");

QString macroFolder()
{
    return QStringLiteral("./modules/macro/");
}

QString nameText(const QVariant &name)
{
    return name.isValid() ? name.toString() : QString();
}

bool isSafeName(const QString &name)
{
    // A leading dot would make a hidden file that the listing never shows.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    if (name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u == '/' || u == '\\')
            return false;
        // NUL, C0 and C1 controls and DEL.
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            return false;
    }
    return true;
}

QString macroFilePath(const QString &name)
{
    if (!isSafeName(name))
        return QString();
    return macroFolder() + name + QStringLiteral(".bin");
}

QString defaultName(int n)
{
    return QStringLiteral("Macro. ") + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QList<uchar> encode(const QStringList &items, const QMap<QString, quint8> &usbCodeByName)
{
    QList<uchar> out{0x00, 0x01};
    for (const QString &item : items) {
        if (item.size() < 10)
            continue;
        const QString command = item.right(10);
        const QString value = item.left(item.size() - 10);
        if (command == downCommand || command == upCommand) {
            const quint8 code = usbCodeByName.value(value, 0);
            if (code == 0)
                continue;
            out << uchar(command == downCommand ? 0x01 : 0x81) << uchar(code);
        } else if (command == delayCommand) {
            bool ok = false;
            const int t = value.toInt(&ok);
            if (!ok || t == 0)
                continue;
            const int d = t / 10; // truncates toward zero
            out << uchar(0x7F) << uchar(0x00) << uchar((d / 256) & 0xFF) << uchar(d & 0xFF);
        }
    }
    out << uchar(0x00) << uchar(0x00);
    return out;
}

bool toUploadBlock(const QList<uchar> &encoded, uchar *block)
{
    std::memset(block, 0, blockSize);
    if (encoded.size() > blockSize)
        return false;
    for (int k = 0; k + 1 < encoded.size(); k += 2) {
        block[k] = encoded.at(k + 1);
        block[k + 1] = encoded.at(k);
    }
    return true;
}

} // namespace macrocodec
