#include "EvdevInputSource.h"

#include <QDebug>
#include <QDir>
#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool testBit(const unsigned char *bits, int bit)
{
    return bits[bit / 8] & (1u << (bit % 8));
}

// A node worth watching reports keys of a keyboard or the left mouse button.
bool isKeyboardOrMouse(int fd)
{
    unsigned char types[(EV_CNT + 7) / 8] = {};
    if (::ioctl(fd, EVIOCGBIT(0, sizeof(types)), types) < 0 || !testBit(types, EV_KEY))
        return false;
    unsigned char keys[(KEY_CNT + 7) / 8] = {};
    if (::ioctl(fd, EVIOCGBIT(EV_KEY, sizeof(keys)), keys) < 0)
        return false;
    return testBit(keys, KEY_A) || testBit(keys, KEY_ENTER) || testBit(keys, KEY_SPACE)
        || testBit(keys, BTN_LEFT);
}

bool isEventNodeName(const QString &name)
{
    return name.startsWith(QLatin1String("event"));
}

} // namespace

EvdevInputSource::EvdevInputSource(QString directory)
    : directory(std::move(directory))
{
}

EvdevInputSource::~EvdevInputSource()
{
    // The notifiers go before the descriptors they watch are closed.
    qDeleteAll(owner.findChildren<QSocketNotifier *>(Qt::FindDirectChildrenOnly));
    nodes.clear();
    if (inotifyFd >= 0)
        ::close(inotifyFd);
}

bool EvdevInputSource::start(const InputSink &s)
{
    sink = s;
    int present = 0, denied = 0;
    const QStringList names = QDir(directory).entryList({ QStringLiteral("event*") }, QDir::Files | QDir::System, QDir::Name);
    for (const QString &name : names) {
        ++present;
        if (openNode(directory + QLatin1Char('/') + name) == OpenResult::Denied)
            ++denied;
    }
    if (nodes.empty()) {
        if (denied > 0)
            qDebug().noquote() << QStringLiteral(
                "Input capture off: %1 of the %2 nodes in %3 may not be read; add the user to the 'input' "
                "group (sudo usermod -aG input $USER) and log in again").arg(denied).arg(present).arg(directory);
        else
            qDebug().noquote() << QStringLiteral("Input capture off: no readable keyboard or mouse in %1").arg(directory);
        return false;
    }

    // New nodes, and nodes whose permissions udev sets just after creating them.
    inotifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotifyFd >= 0
        && ::inotify_add_watch(inotifyFd, QFile::encodeName(directory).constData(), IN_CREATE | IN_ATTRIB | IN_DELETE) >= 0) {
        auto *n = new QSocketNotifier(inotifyFd, QSocketNotifier::Read, &owner);
        QObject::connect(n, &QSocketNotifier::activated, &owner, [this] { readInotify(); });
    }
    return true;
}

EvdevInputSource::OpenResult EvdevInputSource::openNode(const QString &path)
{
    if (nodes.count(path))
        return OpenResult::Opened;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? OpenResult::Denied : OpenResult::Failed;
    if (!isKeyboardOrMouse(fd)) {
        ::close(fd);
        return OpenResult::NotInput;
    }
    Node &node = nodes[path];
    node.reader = std::make_unique<EvdevReader>(fd);
    node.notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &owner);
    QObject::connect(node.notifier, &QSocketNotifier::activated, &owner, [this, path] { readNode(path); });
    return OpenResult::Opened;
}

void EvdevInputSource::closeNode(const QString &path)
{
    auto it = nodes.find(path);
    if (it == nodes.end())
        return;
    Node node = std::move(it->second);
    nodes.erase(it);
    node.notifier->setEnabled(false);
    node.notifier->deleteLater(); // may be the notifier whose signal is running
    node.reader->releaseAll([this](const input_event &e) { deliver(e); });
}

void EvdevInputSource::readNode(const QString &path)
{
    auto it = nodes.find(path);
    if (it == nodes.end())
        return;
    if (!it->second.reader->readAvailable([this](const input_event &e) { deliver(e); }))
        closeNode(path);
}

void EvdevInputSource::readInotify()
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(inotifyFd, buffer, sizeof(buffer));
        if (n <= 0)
            return;
        for (ssize_t offset = 0; offset < n;) {
            const auto *ev = reinterpret_cast<const inotify_event *>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + ev->len);
            const QString name = ev->len ? QFile::decodeName(ev->name) : QString();
            if (!isEventNodeName(name))
                continue;
            const QString path = directory + QLatin1Char('/') + name;
            if (ev->mask & IN_DELETE)
                closeNode(path);
            else
                openNode(path);
        }
    }
}

void EvdevInputSource::deliver(const input_event &e)
{
    deliverEvdevRecord(e, mapper, sink);
}
