#pragma once

// VirtualR7: an emulated R7 keyboard (or several) behind the HID seam of
// device/HidBackend.h, for tests, the benchmark and the demo build.
//
// Quick use
//   VirtualR7 kb;                 // nothing plugged yet
//   kb.plug();                    // one keyboard, factory state, both interfaces
//   setHidBackend(&kb);           // the device link now talks to it
//   ... Hid_Thread work ...
//   setHidBackend(nullptr);       // back to hidapi (stop watcher/exchanges first)
//
//   Demo build: VirtualR7::installAsBackend() (or installDemoKeyboard())
//   creates a process-lifetime instance with one keyboard plugged in and
//   installs it.
//
// Model
//   Each keyboard has two interfaces: the command interface (usage page
//   FF01H usage 1, path "virtual-r7/<kb>/cmd") and the second interface
//   (FF02H usage 1, path "virtual-r7/<kb>/watch"); enumerate() lists them in
//   that order, keyboard by keyboard. USB ids 04D9H:A1CDH, report length 64.
//   The firmware takes a 9-byte request by SET_FEATURE (report id 0, command
//   code in byte 1), answers the following GET_FEATURE with 9 bytes (report
//   id first, like hidraw), takes the data block of 0CH/0DH/10H/12H/30H in
//   65-byte output reports and queues the block of 8CH/8DH/90H/92H/B0H as
//   64-byte input reports (no report id, like hidapi on an interface without
//   numbered reports). State for every command is in Firmware below.
//
// Log
//   Every report that passes is logged with a monotonic timestamp in ns:
//   direction, kind, keyboard, interface and bytes (log(), clearLog()).
//   Failed and hung transfers are not logged.
//
// Faults
//   unplug()/replug(), plug(false) (second interface missing), several
//   plug() calls (several keyboards), removeAfterReports(n) (removal in the
//   middle of an exchange), hangNext(op) (the next transfer of that kind
//   never answers: reads until their timeout or releaseHang(), others until
//   releaseHang() or removal), failNext(op, count) (negative results),
//   failOpen(path) (opening that path fails).
//
// Thread-safety: every public function may be called from any thread;
// blocking calls (hangs, reads) wait without holding the lock and end early
// on removal, release or destruction.

#include "device/HidBackend.h"

#include <QByteArray>
#include <QList>
#include <QHash>
#include <QSet>

#include <condition_variable>
#include <mutex>

class VirtualR7 : public HidBackend
{
public:
    static constexpr unsigned short vendorId = 0x04D9;
    static constexpr unsigned short productId = 0xA1CD;
    static constexpr int reportLength = 64;

    enum class Dir { ToDevice, FromDevice };
    enum class Kind { Feature, Output, Input };
    enum class Op { Open, SendFeature, GetFeature, Write, Read };
    enum Interface { CommandInterface = 0, WatchInterface = 1 };

    struct LogEntry
    {
        qint64 ns = 0; // monotonic clock
        Dir dir = Dir::ToDevice;
        Kind kind = Kind::Feature;
        int keyboard = 0;
        int iface = CommandInterface;
        QByteArray bytes; // as passed (feature/output: report id first)
    };

    struct Firmware
    {
        quint8 options[3] = {0, 0, 0};          // 02H/82H
        quint8 sensitivity = 2;                 // 04H/84H
        quint8 led[7] = {1, 4, 2, 0, 0, 0, 0};  // 08H/88H: type .. bl1
        QByteArray keyMatrix = QByteArray(256, 0);       // 0CH/0DH, 8CH/8DH
        QByteArray macros = QByteArray(256 * 128, 0);    // 10H/90H, slot * 128
        QByteArray pictures = QByteArray(5 * 4 * 128, 0); // 12H/92H, (index * 4 + colorIndex) * 128
        QByteArray colors = QByteArray(64, 0);           // 30H/B0H
        quint8 profile = 0;                    // 21H/A1H
        quint16 version = 0x010A;              // 80H bytes 2, 3
        quint8 layoutByte = 0;                 // 80H byte 4 (bits 1, 2: US/UK mode)
        int macroStops = 0;                    // 09H count
        int recoveries = 0;                    // 13H count
        QByteArray ispCode;                    // bytes 2..8 of the last 0FH
        bool inBootLoader = false;
        QByteArray lastRequest;                // last 9-byte request
    };
    static Firmware factoryFirmware();

    VirtualR7();
    ~VirtualR7() override;

    // Keyboards. plug() returns the new keyboard's number.
    int plug(bool withSecondInterface = true);
    void unplug(int kb = -1); // -1: all
    void replug(int kb);      // same paths, state kept, old handles dead
    int keyboardCount() const;
    bool isPlugged(int kb) const;
    static QByteArray pathOf(int kb, Interface iface);

    Firmware firmware(int kb = 0) const;
    void setFirmware(int kb, const Firmware &fw);

    // Faults.
    void removeAfterReports(int reports, int kb = 0); // <0 cancels
    void hangNext(Op op);
    void releaseHang();
    bool isHanging() const; // a transfer is blocked in a hang right now
    void failNext(Op op, int count = 1);
    void failOpen(const QByteArray &path, bool fail = true);

    // Log and counters.
    QList<LogEntry> log() const;
    void clearLog();
    int openHandleCount() const;
    // Most handles open at once on one path since construction.
    int peakOpenHandles(const QByteArray &path) const;

    // HidBackend
    QList<HidNodeInfo> enumerate(unsigned short vid, unsigned short pid) override;
    HidHandle *openPath(const QByteArray &path) override;
    int setNonblocking(HidHandle *h, int nonblock) override;
    int sendFeatureReport(HidHandle *h, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *h, unsigned char *data, size_t length) override;
    int write(HidHandle *h, const unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *h, unsigned char *data, size_t length, int timeoutMs) override;
    void close(HidHandle *h) override;

    // A process-lifetime instance with one factory keyboard, installed as
    // the backend; returns it.
    static VirtualR7 *installAsBackend();

private:
    struct Keyboard;
    class VHandle;

    int enter(std::unique_lock<std::mutex> &lock, VHandle *vh, Op op, int timeoutMs = -1); // fault checks, hang
    void logReport(int kb, int iface, Dir dir, Kind kind, const QByteArray &bytes);
    void handleRequest(Keyboard &k, const QByteArray &req);
    void handleOutput(Keyboard &k, const QByteArray &report);

    mutable std::mutex m;
    std::condition_variable changed;
    QList<Keyboard *> keyboards;
    QList<LogEntry> entries;
    QSet<QByteArray> failingOpens;
    int failCount[5] = {};
    bool hangPending[5] = {};
    quint64 hangRelease = 0; // bumped by releaseHang()
    int hanging = 0;
    int removeAfter = -1;
    int removeKb = 0;
    int handles = 0;
    QHash<QByteArray, int> openOnPath, peakOnPath;
    bool dying = false;
};

// The demo build's hook: VirtualR7::installAsBackend() with a plausible
// factory keyboard.
void installDemoKeyboard();
