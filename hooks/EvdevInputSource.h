#pragma once

#include "EvdevDecoder.h"
#include "InputSource.h"
#include "LinuxKeyMapper.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSocketNotifier;

// Watches every readable keyboard and mouse node under /dev/input (Wayland,
// console): read-only and without grabbing, so every other program still gets
// every event. Nodes that appear later (hot-plug, or access granted later) are
// picked up through inotify; a removed node releases the keys it held.
// Reading the nodes needs membership of the `input` group. evdev knows no
// pointer position: clicks are reported at (0, 0).
class EvdevInputSource : public InputSource
{
public:
    explicit EvdevInputSource(QString directory = QStringLiteral("/dev/input"));
    ~EvdevInputSource() override;

    bool start(const InputSink &sink) override;
    QString name() const override { return QStringLiteral("evdev"); }

private:
    struct Node
    {
        std::unique_ptr<EvdevReader> reader;
        QSocketNotifier *notifier = nullptr; // child of owner
    };
    enum class OpenResult { Opened, NotInput, Denied, Failed };

    OpenResult openNode(const QString &path);
    void closeNode(const QString &path);
    void readNode(const QString &path);
    void readInotify();
    void deliver(const input_event &record);

    QString directory;
    InputSink sink;
    LinuxKeyMapper mapper;
    std::map<QString, Node> nodes;
    int inotifyFd = -1;
    QObject owner; // parent of the notifiers
};
