#pragma once
// What the hook manager reports, written down as short texts: "04+" for usage
// 0x04 down, "e2-" for usage 0xE2 up, "f0+@100,200" for a left press at
// (100, 200). Registered as the manager's callbacks with the recorder as context.
#include "hooks/Hook_Manager.h"

#include <QString>
#include <QStringList>

struct Recorder
{
    QStringList reports;

    static void onKey(quint8 usage, bool isDown, void *context)
    {
        static_cast<Recorder *>(context)->reports
            << QStringLiteral("%1%2").arg(usage, 2, 16, QLatin1Char('0')).arg(isDown ? '+' : '-');
    }
    static void onMouse(quint8 button, bool isDown, qint32 x, qint32 y, void *context)
    {
        static_cast<Recorder *>(context)->reports << QStringLiteral("%1%2@%3,%4")
                                                         .arg(button, 2, 16, QLatin1Char('0'))
                                                         .arg(isDown ? '+' : '-')
                                                         .arg(x)
                                                         .arg(y);
    }
    void attach(Hook_Manager &manager)
    {
        manager.setKeyboardCallback(onKey, this);
        manager.setMouseCallback(onMouse, this);
    }
    QStringList take()
    {
        QStringList r = reports;
        reports.clear();
        return r;
    }
};

// Linux key events written as "29+ 119+ 119- 29-" (key code, down or up).
struct LinuxKeyStep
{
    int code;
    bool down;
};
inline QList<LinuxKeyStep> linuxKeySteps(const QString &text)
{
    QList<LinuxKeyStep> steps;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        steps.append({ word.chopped(1).toInt(), word.endsWith(QLatin1Char('+')) });
    return steps;
}
