#pragma once

// Shared set-up of the view tests: a scratch working directory with its own
// modules/ tree (copied from the shipped one beside the test executables, or
// written by the test), and the device link talking to a virtual R7.
#include "device/DevInfo.h"
#include "device/Hid_Thread.h"
#include "device/virtual/VirtualR7.h"
#include "view/myQQuickView.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace viewtest {

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

inline bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        ok = QFile::copy(file, target) && ok;
    }
    return ok;
}

// A scratch working directory for the lifetime of the object. With
// `shipped` the shipped setting/ and i18n/ folders are copied into it;
// otherwise modules/setting and modules/i18n start empty.
struct Scratch
{
    explicit Scratch(bool shipped = true)
        : previous(QDir::currentPath())
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("modules/setting"));
        root.mkpath(QStringLiteral("modules/i18n"));
        if (shipped) {
            ok = copyTree(previous + QStringLiteral("/modules/setting"), path(QStringLiteral("setting"))) && ok;
            ok = copyTree(previous + QStringLiteral("/modules/i18n"), path(QStringLiteral("i18n"))) && ok;
            ok = copyTree(previous + QStringLiteral("/modules/media"), path(QStringLiteral("media"))) && ok;
        }
        QDir::setCurrent(dir.path());
    }
    ~Scratch() { QDir::setCurrent(previous); }

    // Absolute path of modules/<relative>.
    QString path(const QString &relative) const
    {
        return dir.filePath(QStringLiteral("modules/") + relative);
    }
    bool write(const QString &relative, const QByteArray &content) const
    {
        return writeFile(path(relative), content);
    }
    QByteArray read(const QString &relative) const { return readAll(path(relative)); }

    QTemporaryDir dir;
    QString previous;
    bool ok = true;
};

// A settings file as a new process would read it: a fresh object on a copy,
// so that this process's cache of the original cannot answer.
inline QVariant readBack(const QString &file, const QString &key)
{
    static int counter = 0;
    const QString copy = QDir::temp().filePath(QStringLiteral("r7-readback-%1-%2.ini")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(++counter));
    QFile::remove(copy);
    QFile::copy(file, copy);
    QVariant value;
    {
        QSettings settings(copy, QSettings::IniFormat);
        value = settings.value(key);
    }
    QFile::remove(copy);
    return value;
}

// A virtual keyboard installed as the HID backend and a device link that has
// found it.
struct Device
{
    Device()
    {
        langFileValid = true;
        kb.plug();
        setHidBackend(&kb);
        hid = new Hid_Thread;
        hid->scanDevices(readDeviceTable(QStringLiteral(":/DevInfo.ini")));
    }
    ~Device()
    {
        delete hid; // waits for the last exchange
        setHidBackend(nullptr);
        langFileValid = true;
    }
    // Lets the last write exchange end before the keyboard's state is read.
    VirtualR7::Firmware firmware()
    {
        hid->waitForExchange();
        return kb.firmware(0);
    }

    VirtualR7 kb;
    Hid_Thread *hid = nullptr;
};

inline QVariantList ints(const QList<int> &values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

inline QList<int> toInts(const QVariant &value)
{
    QList<int> out;
    for (const QVariant &v : value.toList())
        out.append(v.toInt());
    return out;
}

} // namespace viewtest
