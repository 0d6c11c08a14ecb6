// Macro library: one INI file per macro under ./modules/macro/, named after
// the macro. Nothing is kept in memory; every slot opens the file it needs.
//
// A name is used as a file name, so a name that could leave the macro folder
// (separators, "..", control characters, empty) is refused by every slot with
// its "no such macro" result.
#include "myQQuickView.h"

#include "device/Hid_Thread.h"
#include "filesafety.h"
#include "macro_codec.h"
#include "dialogs.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

using namespace macrocodec;

namespace {

// Path of an existing macro file, or empty text (unsafe name or no file).
QString existingMacroFile(const QVariant &name)
{
    const QString path = macroFilePath(nameText(name));
    return (!path.isEmpty() && QFileInfo(path).isFile()) ? path : QString();
}

// Writes the config group of a fresh macro bound to `index` and flushes it.
bool writeNewMacro(const QString &path, int index)
{
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(QStringLiteral("config"));
    file.setValue(QStringLiteral("index"), index);
    file.setValue(QStringLiteral("total"), 0);
    file.setValue(QStringLiteral("repeat"), 1);
    file.setValue(QStringLiteral("did"), -1);
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}

// The first default name numbered `from` or later whose file does not exist.
QString freeDefaultName(int from)
{
    for (int n = from;; ++n) {
        const QString name = defaultName(n);
        if (!QFileInfo::exists(macroFilePath(name)))
            return name;
    }
}

} // namespace

QStringList myQQuickView::getMacroIniNames()
{
    QDir folder(macroFolder());
    if (!folder.exists())
        return {};
    // Case-sensitive match, so that every listed name leads back to its file.
    folder.setFilter(QDir::Files | QDir::CaseSensitive);
    folder.setNameFilters({QStringLiteral("*.bin")});
    folder.setSorting(QDir::Unsorted);
    QStringList names = folder.entryList();
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b; // a fixed order for names equal but for case
    });
    return names;
}

QVariant myQQuickView::createMacroIni()
{
    const QString name = freeDefaultName(1);
    // The name only when its file now exists: a folder that cannot be
    // written gives empty text rather than a macro that is not there.
    if (!writeNewMacro(macroFilePath(name), -1) || !QFileInfo(macroFilePath(name)).isFile())
        return QString();
    return name;
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return false;
    return QFile::remove(path);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    const QString from = existingMacroFile(oldName);
    const QString to = macroFilePath(nameText(newName));
    if (from.isEmpty() || to.isEmpty())
        return;
    // QFile::rename never replaces an existing target.
    QFile::rename(from, to);
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return {};
    QSettings file(path, QSettings::IniFormat);
    const int total = file.value(QStringLiteral("config/total"), 0).toInt();
    QStringList items;
    for (int i = 0; i < total; ++i)
        items << file.value(QStringLiteral("macro/%1").arg(i), QStringLiteral("0")).toString();
    return items;
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return false;
    int index = -1;
    {
        QSettings file(path, QSettings::IniFormat);
        file.remove(QStringLiteral("macro"));
        file.setValue(QStringLiteral("config/total"), macros.size());
        for (int i = 0; i < macros.size(); ++i)
            file.setValue(QStringLiteral("macro/%1").arg(i), macros.at(i));
        index = file.value(QStringLiteral("config/index"), -1).toInt();
        // The upload below reads the file afresh, so the items go out first.
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
    }
    if (index >= 0 && index <= 16)
        ui_10H_SetMacroKey(index, nameText(name));
    return true;
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return {};
    QSettings file(path, QSettings::IniFormat);
    return {file.value(QStringLiteral("config/index"), -1).toInt(),
            file.value(QStringLiteral("config/repeat"), 1).toInt()};
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty() || config.size() < 2)
        return;
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("config/index"), config.at(0));
    file.setValue(QStringLiteral("config/repeat"), config.at(1));
    file.setValue(QStringLiteral("config/did"), hid ? uint(hid->curDevice) : 0u);
}

void myQQuickView::initMacroIni(uchar maxMacro)
{
    QList<bool> free(maxMacro, true);
    QStringList removals;
    for (const QString &entry : getMacroIniNames()) {
        const QString path = macroFolder() + entry;
        const int index = QSettings(path, QSettings::IniFormat).value(QStringLiteral("config/index"), -1).toInt();
        if (index >= 0 && index < maxMacro && free.at(index))
            free[index] = false;
        else
            removals << path;
    }

    for (const QString &path : std::as_const(removals)) {
        qDebug() << "REMOVE: " << path;
        QFile::remove(path);
    }

    for (int s = 0; s < maxMacro; ++s) {
        if (!free.at(s))
            continue;
        // A kept macro may already carry this slot's default name (renamed
        // and bound elsewhere): then the next free default name is used, so
        // that no kept macro is rebound or loses its items.
        writeNewMacro(macroFilePath(freeDefaultName(s + 1)), s);
    }
}

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString target = existingMacroFile(name);
    if (target.isEmpty())
        return;
    const QString source = dialogs::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Macro(*.mc)"));
    if (source.isEmpty())
        return;
    // All or nothing: an unreadable source or a failed write leaves the
    // macro as it was.
    replaceFileWithCopy(source, target);
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    const QString source = existingMacroFile(name);
    if (source.isEmpty())
        return;
    const QString target = dialogs::getSaveFileName(
        this, tr("Save File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Macro(*.mc)"));
    if (target.isEmpty())
        return;
    // The dialog has confirmed replacing an existing file.
    replaceFileWithCopy(source, target);
}
