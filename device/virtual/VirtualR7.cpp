#include "VirtualR7.h"


#include <algorithm>
#include <chrono>
#include <cstring>

struct VirtualR7::Keyboard
{
    bool present = true;
    bool hasWatch = true;
    quint64 generation = 0; // bumped by each (re)plug: older handles are dead
    Firmware fw;
    QByteArray answer = QByteArray(9, 0);
    int pendingCode = 0; // write command waiting for its block
    int pendingTarget = 0;
    int pendingLength = 0;
    QByteArray pendingBlock;
    QList<QByteArray> input; // queued input reports of the command interface
};

class VirtualR7::VHandle : public HidHandle
{
public:
    int kb = 0;
    int iface = 0;
    quint64 generation = 0;
    QByteArray path;
};

namespace {
// A wait bound in ms; negative waits without limit.
struct Deadline
{
    explicit Deadline(int ms) : unbounded(ms < 0), at(std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(ms, 0))) {}
    bool expired() const { return !unbounded && std::chrono::steady_clock::now() >= at; }
    void wait(std::condition_variable &cv, std::unique_lock<std::mutex> &lock) const
    {
        if (unbounded)
            cv.wait(lock);
        else
            cv.wait_until(lock, at);
    }
    bool unbounded;
    std::chrono::steady_clock::time_point at;
};

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

VirtualR7::Firmware VirtualR7::factoryFirmware()
{
    Firmware fw;
    // Seven colours, 0 to 63 per component: red, orange, yellow, green,
    // cyan, blue, violet.
    const quint8 palette[21] = {63, 0, 0, 63, 32, 0, 63, 63, 0, 0, 63, 0, 0, 63, 63, 0, 0, 63, 32, 0, 63};
    for (int i = 0; i < 21; ++i)
        fw.colors[i] = char(palette[i]);
    return fw;
}

VirtualR7::VirtualR7() = default;

VirtualR7::~VirtualR7()
{
    std::unique_lock<std::mutex> lock(m);
    dying = true;
    changed.notify_all();
    // Blocked callers leave on `dying`; wait until none is inside.
    changed.wait(lock, [this] { return hanging == 0; });
    qDeleteAll(keyboards);
    keyboards.clear();
}

int VirtualR7::plug(bool withSecondInterface)
{
    std::unique_lock<std::mutex> lock(m);
    auto *k = new Keyboard;
    k->hasWatch = withSecondInterface;
    k->fw = factoryFirmware();
    keyboards.append(k);
    changed.notify_all();
    return int(keyboards.size()) - 1;
}

void VirtualR7::unplug(int kb)
{
    std::unique_lock<std::mutex> lock(m);
    for (int i = 0; i < keyboards.size(); ++i)
        if (kb < 0 || kb == i) {
            keyboards[i]->present = false;
            keyboards[i]->input.clear();
            keyboards[i]->pendingCode = 0;
        }
    changed.notify_all();
}

void VirtualR7::replug(int kb)
{
    std::unique_lock<std::mutex> lock(m);
    if (kb < 0 || kb >= keyboards.size())
        return;
    keyboards[kb]->present = true;
    ++keyboards[kb]->generation;
    changed.notify_all();
}

int VirtualR7::keyboardCount() const
{
    std::unique_lock<std::mutex> lock(m);
    return int(keyboards.size());
}

bool VirtualR7::isPlugged(int kb) const
{
    std::unique_lock<std::mutex> lock(m);
    return kb >= 0 && kb < keyboards.size() && keyboards[kb]->present;
}

QByteArray VirtualR7::pathOf(int kb, Interface iface)
{
    return "virtual-r7/" + QByteArray::number(kb) + (iface == CommandInterface ? "/cmd" : "/watch");
}

VirtualR7::Firmware VirtualR7::firmware(int kb) const
{
    std::unique_lock<std::mutex> lock(m);
    return (kb >= 0 && kb < keyboards.size()) ? keyboards[kb]->fw : Firmware();
}

void VirtualR7::setFirmware(int kb, const Firmware &fw)
{
    std::unique_lock<std::mutex> lock(m);
    if (kb >= 0 && kb < keyboards.size())
        keyboards[kb]->fw = fw;
}

void VirtualR7::removeAfterReports(int reports, int kb)
{
    std::unique_lock<std::mutex> lock(m);
    removeAfter = reports;
    removeKb = kb;
}

void VirtualR7::hangNext(Op op)
{
    std::unique_lock<std::mutex> lock(m);
    hangPending[int(op)] = true;
}

void VirtualR7::releaseHang()
{
    std::unique_lock<std::mutex> lock(m);
    for (bool &h : hangPending)
        h = false;
    ++hangRelease;
    changed.notify_all();
}

bool VirtualR7::isHanging() const
{
    std::unique_lock<std::mutex> lock(m);
    return hanging > 0;
}

void VirtualR7::failNext(Op op, int count)
{
    std::unique_lock<std::mutex> lock(m);
    failCount[int(op)] = count;
}

void VirtualR7::failOpen(const QByteArray &path, bool fail)
{
    std::unique_lock<std::mutex> lock(m);
    if (fail)
        failingOpens.insert(path);
    else
        failingOpens.remove(path);
}

QList<VirtualR7::LogEntry> VirtualR7::log() const
{
    std::unique_lock<std::mutex> lock(m);
    return entries;
}

void VirtualR7::clearLog()
{
    std::unique_lock<std::mutex> lock(m);
    entries.clear();
}

int VirtualR7::openHandleCount() const
{
    std::unique_lock<std::mutex> lock(m);
    return handles;
}

int VirtualR7::peakOpenHandles(const QByteArray &path) const
{
    std::unique_lock<std::mutex> lock(m);
    return peakOnPath.value(path);
}

// --------------------------------------------------------------- the seam

QList<HidNodeInfo> VirtualR7::enumerate(unsigned short vid, unsigned short pid)
{
    std::unique_lock<std::mutex> lock(m);
    QList<HidNodeInfo> nodes;
    if ((vid != 0 && vid != vendorId) || (pid != 0 && pid != productId))
        return nodes;
    for (int i = 0; i < keyboards.size(); ++i) {
        if (!keyboards[i]->present)
            continue;
        nodes.append({pathOf(i, CommandInterface), vendorId, productId, 0xFF01, 0x0001});
        if (keyboards[i]->hasWatch)
            nodes.append({pathOf(i, WatchInterface), vendorId, productId, 0xFF02, 0x0001});
    }
    return nodes;
}

HidHandle *VirtualR7::openPath(const QByteArray &path)
{
    std::unique_lock<std::mutex> lock(m);
    if (dying || failingOpens.contains(path))
        return nullptr;
    if (failCount[int(Op::Open)] > 0) {
        --failCount[int(Op::Open)];
        return nullptr;
    }
    for (int i = 0; i < keyboards.size(); ++i) {
        const Keyboard *k = keyboards[i];
        if (!k->present)
            continue;
        int iface = -1;
        if (path == pathOf(i, CommandInterface))
            iface = CommandInterface;
        else if (k->hasWatch && path == pathOf(i, WatchInterface))
            iface = WatchInterface;
        if (iface < 0)
            continue;
        auto *h = new VHandle;
        h->kb = i;
        h->iface = iface;
        h->generation = k->generation;
        h->path = path;
        ++handles;
        const int open = ++openOnPath[path];
        peakOnPath[path] = std::max(peakOnPath.value(path), open);
        return h;
    }
    return nullptr;
}

int VirtualR7::setNonblocking(HidHandle *h, int)
{
    return h ? 0 : -1;
}

// Lock held. 1: go on; -1: the transfer fails; 0: a hung read timed out.
// For a hang, waits without the lock until released (then the transfer goes
// on), removed or destroyed, or for reads until their timeout.
int VirtualR7::enter(std::unique_lock<std::mutex> &lock, VHandle *vh, Op op, int timeoutMs)
{
    auto alive = [&] {
        return !dying && vh && vh->kb < keyboards.size() && keyboards[vh->kb]->present
               && keyboards[vh->kb]->generation == vh->generation;
    };
    if (!alive())
        return -1;
    if (failCount[int(op)] > 0) {
        --failCount[int(op)];
        return -1;
    }
    if (hangPending[int(op)]) {
        hangPending[int(op)] = false;
        const quint64 release = hangRelease;
        const Deadline deadline(timeoutMs);
        ++hanging;
        while (alive() && hangRelease == release && !deadline.expired())
            deadline.wait(changed, lock);
        --hanging;
        changed.notify_all();
        if (!alive())
            return -1;
        if (hangRelease == release)
            return 0;
    }
    return 1;
}

void VirtualR7::logReport(int kb, int iface, Dir dir, Kind kind, const QByteArray &bytes)
{
    entries.append({nowNs(), dir, kind, kb, iface, bytes});
    if (removeAfter > 0 && kb == removeKb && --removeAfter == 0) {
        removeAfter = -1;
        if (kb < keyboards.size()) {
            keyboards[kb]->present = false;
            keyboards[kb]->input.clear();
            keyboards[kb]->pendingCode = 0;
        }
        changed.notify_all();
    }
}

int VirtualR7::sendFeatureReport(HidHandle *h, const unsigned char *data, size_t length)
{
    std::unique_lock<std::mutex> lock(m);
    auto *vh = static_cast<VHandle *>(h);
    if (enter(lock, vh, Op::SendFeature) != 1 || !data || length != 9)
        return -1;
    const QByteArray req(reinterpret_cast<const char *>(data), int(length));
    Keyboard &k = *keyboards[vh->kb];
    if (vh->iface == CommandInterface)
        handleRequest(k, req);
    logReport(vh->kb, vh->iface, Dir::ToDevice, Kind::Feature, req);
    return int(length);
}

int VirtualR7::getFeatureReport(HidHandle *h, unsigned char *data, size_t length)
{
    std::unique_lock<std::mutex> lock(m);
    auto *vh = static_cast<VHandle *>(h);
    if (enter(lock, vh, Op::GetFeature) != 1 || !data || length < 9)
        return -1;
    const QByteArray &answer = keyboards[vh->kb]->answer;
    std::memcpy(data, answer.constData(), 9);
    logReport(vh->kb, vh->iface, Dir::FromDevice, Kind::Feature, answer);
    return 9;
}

int VirtualR7::write(HidHandle *h, const unsigned char *data, size_t length)
{
    std::unique_lock<std::mutex> lock(m);
    auto *vh = static_cast<VHandle *>(h);
    if (enter(lock, vh, Op::Write) != 1 || !data || length != size_t(reportLength) + 1)
        return -1;
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    if (vh->iface == CommandInterface)
        handleOutput(*keyboards[vh->kb], report);
    logReport(vh->kb, vh->iface, Dir::ToDevice, Kind::Output, report);
    return int(length);
}

int VirtualR7::readTimeout(HidHandle *h, unsigned char *data, size_t length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m);
    auto *vh = static_cast<VHandle *>(h);
    const Deadline deadline(timeoutMs);
    if (!data)
        return -1;
    const int entered = enter(lock, vh, Op::Read, timeoutMs);
    if (entered != 1)
        return entered;
    auto alive = [&] {
        return !dying && keyboards[vh->kb]->present && keyboards[vh->kb]->generation == vh->generation;
    };
    ++hanging; // counts as a blocked caller for the destructor
    while (alive() && (vh->iface != CommandInterface || keyboards[vh->kb]->input.isEmpty()) && !deadline.expired())
        deadline.wait(changed, lock);
    --hanging;
    changed.notify_all();
    if (!alive())
        return -1;
    Keyboard &k = *keyboards[vh->kb];
    if (vh->iface != CommandInterface || k.input.isEmpty())
        return 0; // nothing within the timeout
    const QByteArray report = k.input.takeFirst();
    const size_t n = std::min(length, size_t(report.size()));
    std::memcpy(data, report.constData(), n);
    logReport(vh->kb, vh->iface, Dir::FromDevice, Kind::Input, report);
    return int(n);
}

void VirtualR7::close(HidHandle *h)
{
    if (!h)
        return;
    std::unique_lock<std::mutex> lock(m);
    --handles;
    --openOnPath[static_cast<VHandle *>(h)->path];
    delete static_cast<VHandle *>(h);
}

// --------------------------------------------------------------- firmware

void VirtualR7::handleRequest(Keyboard &k, const QByteArray &req)
{
    auto b = [&](int i) { return quint8(req.at(i)); };
    Firmware &fw = k.fw;
    fw.lastRequest = req;
    k.pendingCode = 0;
    k.input.clear();
    QByteArray ans = req; // by default the answer echoes the request
    ans[0] = 0;
    auto queueBlock = [&](const QByteArray &block) {
        for (int off = 0; off < block.size(); off += reportLength)
            k.input.append(block.mid(off, reportLength));
    };
    auto expectBlock = [&](int target, int len) {
        k.pendingCode = b(1);
        k.pendingTarget = target;
        k.pendingLength = len;
        k.pendingBlock.clear();
    };
    const int code = b(1);
    switch (code) {
    case 0x02:
        fw.options[0] = b(2), fw.options[1] = b(3), fw.options[2] = b(4);
        break;
    case 0x04:
        fw.sensitivity = b(2);
        break;
    case 0x08:
        for (int i = 0; i < 7; ++i)
            fw.led[i] = b(2 + i);
        break;
    case 0x09:
        ++fw.macroStops;
        break;
    case 0x0C:
        expectBlock(0, 128);
        break;
    case 0x0D:
        expectBlock(128, 128);
        break;
    case 0x0F:
        fw.ispCode = req.mid(2, 7);
        fw.inBootLoader = true;
        break;
    case 0x10:
        expectBlock(b(3) * 128, 128);
        break;
    case 0x12:
        // Pictures 0..4, blocks 0..3; other indexes are taken and dropped.
        expectBlock((b(3) < 5 && b(4) < 4) ? (b(3) * 4 + b(4)) * 128 : -1, 128);
        break;
    case 0x13: {
        const Firmware factory = factoryFirmware();
        Firmware reset = factory;
        reset.version = fw.version;
        reset.layoutByte = fw.layoutByte;
        reset.macroStops = fw.macroStops;
        reset.recoveries = fw.recoveries + 1;
        reset.lastRequest = req;
        fw = reset;
        break;
    }
    case 0x21:
        fw.profile = b(2);
        break;
    case 0x30:
        expectBlock(0, 64);
        break;
    case 0x80:
        ans[2] = char(fw.version >> 8);
        ans[3] = char(fw.version & 0xFF);
        ans[4] = char(fw.layoutByte);
        break;
    case 0x82:
        ans[2] = char(fw.options[0]), ans[3] = char(fw.options[1]), ans[4] = char(fw.options[2]);
        break;
    case 0x84:
        ans[2] = char(fw.sensitivity);
        break;
    case 0x88:
        for (int i = 0; i < 7; ++i)
            ans[2 + i] = char(fw.led[i]);
        break;
    case 0x8C:
        queueBlock(fw.keyMatrix.left(128));
        break;
    case 0x8D:
        queueBlock(fw.keyMatrix.mid(128, 128));
        break;
    case 0x90:
        queueBlock(fw.macros.mid(b(3) * 128, 128));
        break;
    case 0x92:
        queueBlock((b(3) < 5 && b(4) < 4) ? fw.pictures.mid((b(3) * 4 + b(4)) * 128, 128) : QByteArray(128, 0));
        break;
    case 0xA1:
        ans[2] = char(fw.profile);
        break;
    case 0xB0:
        queueBlock(fw.colors);
        break;
    default:
        break;
    }
    k.answer = ans;
}

void VirtualR7::handleOutput(Keyboard &k, const QByteArray &report)
{
    if (!k.pendingCode)
        return; // not expected: the firmware ignores it
    k.pendingBlock += report.mid(1, std::min(reportLength, k.pendingLength - int(k.pendingBlock.size())));
    if (k.pendingBlock.size() < k.pendingLength)
        return;
    QByteArray *target = nullptr;
    switch (k.pendingCode) {
    case 0x0C:
    case 0x0D:
        target = &k.fw.keyMatrix;
        break;
    case 0x10:
        target = &k.fw.macros;
        break;
    case 0x12:
        target = &k.fw.pictures;
        break;
    case 0x30:
        target = &k.fw.colors;
        break;
    }
    if (target && k.pendingTarget >= 0)
        target->replace(k.pendingTarget, k.pendingLength, k.pendingBlock);
    k.pendingCode = 0;
}

VirtualR7 *VirtualR7::installAsBackend()
{
    static VirtualR7 *instance = [] {
        auto *v = new VirtualR7; // lives as long as the process
        v->plug();
        return v;
    }();
    setHidBackend(instance);
    return instance;
}

void installDemoKeyboard()
{
    VirtualR7::installAsBackend();
}
