// Timing of the device link against the virtual R7: block writes beside the
// pauses the protocol mandates, and what the gate's polling adds.
#include "device/Hid_Thread.h"
#include "device/virtual/VirtualR7.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 15;

struct Figures
{
    std::vector<double> ms;
    double median() const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        return s.empty() ? 0 : s[s.size() / 2];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// Wall time from the first slot call until the last write exchange has ended.
Figures timeWrites(Hid_Thread &hid, const std::function<void()> &commands)
{
    Figures f;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        commands();
        hid.waitForExchange();
        f.ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return f;
}

// From the log: how long after an exchange's end the next request left.
// A block exchange ends 8 ms after its last output report.
double gateGapMs(const QList<VirtualR7::LogEntry> &log)
{
    double sum = 0;
    int count = 0;
    qint64 lastOutput = -1;
    for (const auto &e : log) {
        if (e.kind == VirtualR7::Kind::Output) {
            lastOutput = e.ns;
        } else if (e.kind == VirtualR7::Kind::Feature && e.dir == VirtualR7::Dir::ToDevice && lastOutput >= 0) {
            sum += (e.ns - (lastOutput + 8'000'000)) / 1e6;
            ++count;
            lastOutput = -1;
        }
    }
    return count ? sum / count : 0;
}

// floorMs: every mandated pause added up. serialMs: the pauses that cannot
// overlap (exchanges never do; a slot's pause runs beside its own exchange).
void row(const char *what, const Figures &f, double floorMs, double serialMs, const char *target)
{
    std::printf("%-28s median %6.2f ms  worst %6.2f ms\n", what, f.median(), f.worst());
    std::printf("%-28s   floor %5.1f ms: ratio %.3f (worst %.3f)  target %s\n", "", floorMs, f.median() / floorMs,
                f.worst() / floorMs, target);
    std::printf("%-28s   serial exchanges %5.1f ms: ratio %.3f (worst %.3f)\n", "", serialMs, f.median() / serialMs,
                f.worst() / serialMs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    VirtualR7 kb;
    kb.plug();
    setHidBackend(&kb);

    {
        Hid_Thread hid;
        hid.scanDevices(readDeviceTable(QStringLiteral(":/DevInfo.ini")));
        hid.swichCurDevice(0); // the watcher holds a worker, as in the program

        std::printf("r7bench: device link against the virtual R7, %d rounds each\n", rounds);
        std::printf("floor = slot pauses + 8 ms per output report\n\n");


        QByteArray block(256, 0x11);
        auto *b = reinterpret_cast<uchar *>(block.data());

        // 0CH + 0DH: two slot pauses of 8 ms and four output reports.
        kb.clearLog();
        const Figures pair = timeWrites(hid, [&] {
            hid.hid_0CH_SetKeyMatrix_1(b);
            hid.hid_0DH_SetKeyMatrix_2(b + 128);
        });
        const double pairGap = gateGapMs(kb.log());
        row("key matrix write (0C + 0D)", pair, 2 * 8 + 4 * 8, 4 * 8, "<= 1.1");

        // Four 12H: four slot pauses and eight output reports.
        kb.clearLog();
        const Figures picture = timeWrites(hid, [&] {
            for (int c = 0; c < 4; ++c)
                hid.hid_12H_SetUserPicture(0, uchar(c), b);
        });
        const double pictureGap = gateGapMs(kb.log());
        row("user picture (4 x 12H)", picture, 4 * 8 + 8 * 8, 8 * 8, "<= 1.1");

        // Gate: taking a free gate, and a burst of data-less writes whose
        // exchanges take microseconds, so their time is the gate's.
        std::printf("\n");
        QElapsedTimer t;
        t.start();
        constexpr int freeTakes = 1000;
        for (int i = 0; i < freeTakes; ++i) {
            hid.waitCmdDone();
            hid.cmdDone = true;
        }
        std::printf("%-34s %7.4f ms per command (target ~0)\n", "gate taken while free", t.nsecsElapsed() / 1e6 / freeTakes);

        constexpr int burst = 50;
        t.restart();
        for (int i = 0; i < burst; ++i)
            hid.hid_04H_SetButtonSensitivity(uchar(i));
        hid.waitForExchange();
        std::printf("%-34s %7.2f ms per command (bound: one 8 ms pass)\n", "back-to-back 04H, gate wait",
                    t.nsecsElapsed() / 1e6 / burst);
        std::printf("%-34s %7.2f ms per command (bound: one 8 ms pass)\n", "after 0C/0D exchange end", pairGap);
        std::printf("%-34s %7.2f ms per command (bound: one 8 ms pass)\n", "after 12H exchange end", pictureGap);

        hid.stopWatch();
    }
    setHidBackend(nullptr);
    return 0;
}
