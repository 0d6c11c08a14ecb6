#pragma once

// The device link to the R7 keyboard: device records, discovery, the
// presence watcher, the gated report exchange and the 22 command slots.
// It lives on the GUI thread and is never started as a thread; write
// exchanges and the watcher run on the process-wide worker pool.

#include "DevInfo.h"
#include "HidBackend.h"

#include <QFuture>
#include <QList>
#include <QThread>

#include <atomic>
#include <mutex>

class Widget;

// Process-wide: false while the loaded language file failed its check; then
// every exchange fails at its first step.
extern std::atomic<bool> langFileValid;

class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override; // stops the watcher and waits for a running write exchange

    Widget *owner = nullptr;
    QList<DevRecord> devices; // guarded by devicesMutex
    int curDevice = 0;        // changed only on the GUI thread (swichCurDevice)
    HidHandle *cmdHandle = nullptr;   // owned by whoever holds the gate
    HidHandle *watchHandle = nullptr; // owned by the watcher
    std::atomic<bool> cmdDone{true};
    std::atomic<bool> watching{false};
    QFuture<void> watchFuture;
    unsigned char cmdBuf[9] = {};
    unsigned char ackBuf[9] = {};
    unsigned char dataBuf[128] = {};

    // Rebuilds `devices` from the table by enumerating the bus (entry 0 only).
    void scanDevices(const QList<DevInfo> &table);
    void startWatch(uint did);
    void stopWatch();
    void watchDevice(uint did);
    HidHandle *openCmdHandle(int i);
    HidHandle *openWatchHandle(int i);

    // Takes the gate: at most 255 passes of 8 ms, processing events between.
    bool waitCmdDone();
    // Write exchange (worker) and read exchange (caller's thread).
    bool sendCmd(int n);
    bool recvCmd(int n);

    // Blocks until the last write exchange started by a slot has ended.
    void waitForExchange();

    // Copy of one record, under the lock (empty record when out of range).
    DevRecord record(int i) const;

    // Longest wait for one input report of a read exchange.
    static constexpr int readTimeoutMs = 1000;
    // The fixed seven bytes that follow 0FH to enter the boot loader.
    static const unsigned char ispEntryCode[7];

public slots:
    void swichCurDevice(uint did);

    void hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3);
    void hid_04H_SetButtonSensitivity(uchar sens1);
    void hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                            uchar bl0, uchar bl1);
    void hid_09H_StopMacroSending();
    void hid_0CH_SetKeyMatrix_1(uchar *src128);
    void hid_0DH_SetKeyMatrix_2(uchar *src128);
    void hid_0FH_SetISPBootLoader();
    void hid_10H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar *src128);
    void hid_13H_SetRecoveryData();
    void hid_21H_SetCurrentProfile(uchar profileId);
    void hid_30H_SetSevenColor(uchar *src64);

    void hid_80H_GetFWVersion(ushort &version, uchar &mode_UsUk);
    void hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3);
    void hid_84H_GetButtonSensitivity(uchar &sens1);
    bool hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction, uchar &color,
                            uchar &bl0, uchar &bl1);
    void hid_8CH_GetKeyMatrix_1(uchar *src128);
    void hid_8DH_GetKeyMatrix_2(uchar *src128);
    void hid_90H_GetMacroKey(uchar macroId, uchar *src128);
    void hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128);
    void hid_A1H_GetCurrentProfile(uchar &profileId);
    bool hid_B0H_GetSevenColor(uchar *src64);

private:
    // Write pattern: gate, request (+ block), exchange on the pool, pause.
    void runWrite(const char *code, std::initializer_list<uchar> request, const uchar *block, int n,
                  bool pause);
    // Read pattern up to the exchange; false in *gateTaken when the gate wait gave up.
    bool runRead(std::initializer_list<uchar> request, std::initializer_list<uchar> prefill, uchar *block,
                 int n, bool *gateTaken);
    HidHandle *openInterface(int i, bool command);
    int reportLengthOf(int i) const;
    void endExchange();

    mutable std::mutex devicesMutex;
    quint64 devicesGeneration = 0; // bumped by each scan, guarded by devicesMutex
    int exchangeDevice = 0;        // curDevice captured when a write exchange starts
    QFuture<bool> lastWrite;
};
