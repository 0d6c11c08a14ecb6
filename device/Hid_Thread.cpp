#include "Hid_Thread.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstring>
#include <vector>

std::atomic<bool> langFileValid{true};

// Arbitrary fixed code; only a deliberate call of hid_0FH_SetISPBootLoader sends it.
const unsigned char Hid_Thread::ispEntryCode[7] = {0x52, 0x37, 0x49, 0x53, 0x50, 0xA5, 0x5A};

namespace {
// Reports longer than this are not something the keyboard can send; treat a
// table value beyond it like a missing interface rather than allocating it.
constexpr int maxReportLength = 4096;
} // namespace

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent)
{
    // The watcher holds one worker for as long as it polls; write exchanges
    // need another, and other users of the global pool a spare.
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->maxThreadCount() < 3)
        pool->setMaxThreadCount(3);
}

Hid_Thread::~Hid_Thread()
{
    stopWatch();
    waitForExchange();
}

DevRecord Hid_Thread::record(int i) const
{
    std::lock_guard<std::mutex> lock(devicesMutex);
    return (i >= 0 && i < devices.size()) ? devices.at(i) : DevRecord();
}

int Hid_Thread::reportLengthOf(int i) const
{
    return record(i).reportLength;
}

// ---------------------------------------------------------------- discovery

void Hid_Thread::scanDevices(const QList<DevInfo> &table)
{
    QList<DevRecord> fresh;
    for (int i = 0; i < table.size(); ++i)
        fresh.append(DevRecord());

    if (!table.isEmpty()) {
        const DevInfo &e = table.first();
        QString first, second;
        const QList<HidNodeInfo> nodes = hidBackend()->enumerate(e.vid, e.pid);
        for (const HidNodeInfo &node : nodes) {
            if (node.usagePage == e.usagePage && node.usage == e.usage)
                first = QString::fromLocal8Bit(node.path);
            if (node.usagePage == e.usagePage2 && node.usage == e.usage2)
                second = QString::fromLocal8Bit(node.path);
            if (!first.isEmpty() && !second.isEmpty()) {
                fresh[0].cmdPath = first;
                fresh[0].watchPath = second;
                fresh[0].reportLength = int(e.reportLength);
            }
        }
    }

    std::lock_guard<std::mutex> lock(devicesMutex);
    devices = fresh;
    ++devicesGeneration;
}

HidHandle *Hid_Thread::openInterface(int i, bool command)
{
    QString path;
    quint64 generation;
    {
        std::lock_guard<std::mutex> lock(devicesMutex);
        if (i < 0 || i >= devices.size())
            return nullptr;
        path = command ? devices.at(i).cmdPath : devices.at(i).watchPath;
        generation = devicesGeneration;
    }
    if (path.isEmpty())
        return nullptr;

    HidBackend *b = hidBackend();
    HidHandle *&handle = command ? cmdHandle : watchHandle;
    if (handle) {
        b->close(handle);
        handle = nullptr;
    }
    handle = b->openPath(path.toLocal8Bit());
    if (handle) {
        b->setNonblocking(handle, 0);
        return handle;
    }
    // Later opens fail at once until the next scan rebuilds the record. A
    // scan that ran meanwhile has fresh records: leave those alone.
    std::lock_guard<std::mutex> lock(devicesMutex);
    if (generation == devicesGeneration && i < devices.size()) {
        if (command)
            devices[i].cmdPath.clear();
        else
            devices[i].watchPath.clear();
    }
    return nullptr;
}

HidHandle *Hid_Thread::openCmdHandle(int i)
{
    return openInterface(i, true);
}

HidHandle *Hid_Thread::openWatchHandle(int i)
{
    return openInterface(i, false);
}

// ---------------------------------------------------------- presence watcher

void Hid_Thread::swichCurDevice(uint did)
{
    curDevice = int(did);
    startWatch(did);
}

void Hid_Thread::startWatch(uint did)
{
    stopWatch();
    watching = true;
    watchFuture = QtConcurrent::run([this, did] { watchDevice(did); });
}

void Hid_Thread::stopWatch()
{
    // A watcher that ended on its own (removal) has cleared the flag and
    // finished already; waiting for it then returns at once.
    watching = false;
    watchFuture.waitForFinished();
}

void Hid_Thread::watchDevice(uint did)
{
    if (did > uint(INT_MAX) || record(int(did)).watchPath.isEmpty())
        return;
    HidBackend *b = hidBackend();
    while (watching) {
        if (!openWatchHandle(int(did))) {
            qDebug("Device removed");
            watching = false;
            return;
        }
        unsigned char buf[12] = {};
        const int got = b->readTimeout(watchHandle, buf, sizeof buf, 500);
        b->close(watchHandle);
        watchHandle = nullptr;
        // A read that fails at once on an interface that still opens would
        // spin open/read/close at full speed; pace it. A removal is still
        // seen by the next open, 50 ms later.
        if (got < 0 && watching)
            QThread::msleep(50);
    }
}

// ------------------------------------------------------------------ exchange

bool Hid_Thread::waitCmdDone()
{
    for (int pass = 0; pass < 255; ++pass) {
        bool expected = true;
        if (cmdDone.compare_exchange_strong(expected, false))
            return true;
        QThread::msleep(8);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return false;
}

void Hid_Thread::endExchange()
{
    if (cmdHandle) {
        hidBackend()->close(cmdHandle);
        cmdHandle = nullptr;
    }
    cmdDone = true;
}

bool Hid_Thread::sendCmd(int n)
{
    HidBackend *b = hidBackend();
    const int dev = exchangeDevice;
    bool ok = false;
    do {
        if (!langFileValid || !openCmdHandle(dev))
            break;
        if (!openCmdHandle(dev) || b->sendFeatureReport(cmdHandle, cmdBuf, 9) < 0)
            break;
        if (n <= 0) {
            ok = true;
            break;
        }
        const int length = reportLengthOf(dev);
        if (length <= 0 || length > maxReportLength)
            break; // record rebuilt without this keyboard meanwhile
        const int chunk = std::min(n, length);
        std::vector<unsigned char> out(size_t(length) + 1, 0);
        ok = true;
        for (int offset = 0; offset < n; offset += chunk) {
            std::fill(out.begin(), out.end(), 0);
            std::memcpy(out.data() + 1, dataBuf + offset, size_t(std::min(chunk, n - offset)));
            if (!openCmdHandle(dev) || b->write(cmdHandle, out.data(), out.size()) < 0) {
                ok = false;
                break;
            }
            QThread::msleep(8);
        }
    } while (false);
    endExchange();
    return ok;
}

bool Hid_Thread::recvCmd(int n)
{
    HidBackend *b = hidBackend();
    const int dev = curDevice;
    bool ok = false;
    do {
        if (!langFileValid || !openCmdHandle(dev))
            break;
        if (!openCmdHandle(dev) || b->sendFeatureReport(cmdHandle, cmdBuf, 9) < 0)
            break;
        if (!openCmdHandle(dev) || b->getFeatureReport(cmdHandle, ackBuf, 9) < 0)
            break;
        if (n <= 0) {
            ok = true;
            break;
        }
        const int length = reportLengthOf(dev);
        if (length <= 0 || length > maxReportLength)
            break;
        const int chunk = std::min(n, length);
        std::vector<unsigned char> in(size_t(length) + 1);
        ok = true;
        for (int offset = 0; offset < n; offset += chunk) {
            std::fill(in.begin(), in.end(), 0);
            // A report that does not come within the bound fails the exchange.
            if (!openCmdHandle(dev) || b->readTimeout(cmdHandle, in.data(), in.size(), readTimeoutMs) <= 0) {
                ok = false;
                break;
            }
            std::memcpy(dataBuf + offset, in.data(), size_t(std::min(chunk, n - offset)));
        }
    } while (false);
    endExchange();
    return ok;
}

void Hid_Thread::waitForExchange()
{
    lastWrite.waitForFinished();
}

// ------------------------------------------------------------------ patterns

void Hid_Thread::runWrite(const char *code, std::initializer_list<uchar> request, const uchar *block, int n,
                          bool pause)
{
    if (!waitCmdDone()) {
        qDebug("cmd Failed %s", code);
        return;
    }
    if (n > 0 && !block) { // nothing to send: drop the command, free the gate
        cmdDone = true;
        return;
    }
    cmdBuf[0] = 0;
    std::copy(request.begin(), request.end(), cmdBuf + 1);
    if (n > 0)
        std::memcpy(dataBuf, block, size_t(n));
    exchangeDevice = curDevice;
    lastWrite = QtConcurrent::run([this, n] { return sendCmd(n); });
    if (pause)
        QThread::msleep(8);
}

bool Hid_Thread::runRead(std::initializer_list<uchar> request, std::initializer_list<uchar> prefill, uchar *block,
                         int n, bool *gateTaken)
{
    *gateTaken = waitCmdDone();
    if (!*gateTaken) {
        qDebug("cmd Failed");
        return false;
    }
    if (n > 0 && !block) {
        cmdDone = true;
        *gateTaken = false; // nothing to hand back to
        return false;
    }
    cmdBuf[0] = 0;
    std::copy(request.begin(), request.end(), cmdBuf + 1);
    ackBuf[0] = 0;
    std::copy(prefill.begin(), prefill.end(), ackBuf + 1);
    if (n > 0)
        std::memcpy(dataBuf, block, size_t(n));
    const bool ok = recvCmd(n);
    if (n > 0)
        std::memcpy(block, dataBuf, size_t(n));
    return ok;
}

// ------------------------------------------------------------ write commands

void Hid_Thread::hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3)
{
    runWrite("02", {0x02, byte1, byte2, byte3, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0, true);
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1)
{
    runWrite("04", {0x04, sens1, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0, false);
}

void Hid_Thread::hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                                    uchar bl0, uchar bl1)
{
    runWrite("08", {0x08, type, brightness, speed, direction, color, bl0, bl1}, nullptr, 0, false);
}

void Hid_Thread::hid_09H_StopMacroSending()
{
    runWrite("09", {0x09, 0xAA, 0xCC, 0xEE, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0, false);
}

void Hid_Thread::hid_0CH_SetKeyMatrix_1(uchar *src128)
{
    runWrite("0C", {0x0C, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128, true);
}

void Hid_Thread::hid_0DH_SetKeyMatrix_2(uchar *src128)
{
    runWrite("0D", {0x0D, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128, true);
}

void Hid_Thread::hid_0FH_SetISPBootLoader()
{
    const unsigned char *c = ispEntryCode;
    runWrite("0F", {0x0F, c[0], c[1], c[2], c[3], c[4], c[5], c[6]}, nullptr, 0, false);
}

void Hid_Thread::hid_10H_SetMacroKey(uchar macroId, uchar *src128)
{
    runWrite("10", {0x10, 0x00, macroId, 0x00, 0x00, 0x55, 0xAA, 0x00}, src128, 128, true);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar *src128)
{
    runWrite("12", {0x12, 0x00, index, colorIndex, 0x00, 0x55, 0xAA, 0x00}, src128, 128, true);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    runWrite("13", {0x13, 0xFF, 0x1F, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0, false);
}

void Hid_Thread::hid_21H_SetCurrentProfile(uchar profileId)
{
    runWrite("21", {0x21, profileId, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, nullptr, 0, false);
}

void Hid_Thread::hid_30H_SetSevenColor(uchar *src64)
{
    runWrite("30", {0x30, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, src64, 64, true);
}

// ------------------------------------------------------------- read commands

void Hid_Thread::hid_80H_GetFWVersion(ushort &version, uchar &mode_UsUk)
{
    const std::initializer_list<uchar> req = {0x80, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    if (runRead(req, req, nullptr, 0, &gate)) {
        version = ushort(ackBuf[2] * 256 + ackBuf[3]);
        mode_UsUk = uchar((ackBuf[4] >> 1) & 3);
    }
}

void Hid_Thread::hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3)
{
    bool gate;
    runRead({0x82, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, {0x82, byte1, byte2, byte3, 0x00, 0x55, 0xAA, 0x00},
            nullptr, 0, &gate);
    if (gate) {
        byte1 = ackBuf[2];
        byte2 = ackBuf[3];
        byte3 = ackBuf[4];
    }
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1)
{
    bool gate;
    runRead({0x84, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00}, {0x84, sens1, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00},
            nullptr, 0, &gate);
    if (gate)
        sens1 = ackBuf[2];
}

bool Hid_Thread::hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction, uchar &color,
                                    uchar &bl0, uchar &bl1)
{
    bool gate;
    const bool ok = runRead({0x88, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00},
                            {0x88, type, brightness, speed, direction, color, bl0, bl1}, nullptr, 0, &gate);
    if (gate) {
        type = ackBuf[2];
        brightness = ackBuf[3];
        speed = ackBuf[4];
        direction = ackBuf[5];
        color = ackBuf[6];
        bl0 = ackBuf[7];
        bl1 = ackBuf[8];
    }
    return ok;
}

void Hid_Thread::hid_8CH_GetKeyMatrix_1(uchar *src128)
{
    const std::initializer_list<uchar> req = {0x8C, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    runRead(req, req, src128, 128, &gate);
}

void Hid_Thread::hid_8DH_GetKeyMatrix_2(uchar *src128)
{
    const std::initializer_list<uchar> req = {0x8D, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    runRead(req, req, src128, 128, &gate);
}

void Hid_Thread::hid_90H_GetMacroKey(uchar macroId, uchar *src128)
{
    const std::initializer_list<uchar> req = {0x90, 0x00, macroId, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    runRead(req, req, src128, 128, &gate);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128)
{
    const std::initializer_list<uchar> req = {0x92, 0x00, index, colorIndex, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    runRead(req, req, src128, 128, &gate);
}

void Hid_Thread::hid_A1H_GetCurrentProfile(uchar &profileId)
{
    const std::initializer_list<uchar> req = {0xA1, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    runRead(req, req, nullptr, 0, &gate);
    if (gate)
        profileId = ackBuf[2];
}

bool Hid_Thread::hid_B0H_GetSevenColor(uchar *src64)
{
    const std::initializer_list<uchar> req = {0xB0, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    bool gate;
    return runRead(req, req, src64, 64, &gate);
}
