#pragma once

#include <linux/input.h>

#include <bitset>
#include <functional>
#include <vector>

class LinuxKeyMapper;
struct InputSink;

// Decodes the record stream of one evdev node into the key and wheel events
// the input capture needs. Records are held until their frame's SYN_REPORT;
// after SYN_DROPPED (the kernel's buffer overflowed) everything up to the next
// SYN_REPORT is dropped and the decoder asks for a resync against the
// device's real key state. Pure: no file or ioctl access.
class EvdevDecoder
{
public:
    // Receives EV_KEY records (value 0 up, 1 down, 2 auto-repeat) and EV_REL
    // wheel records of complete frames, and synthetic EV_KEY records from a
    // resync or release.
    using Emit = std::function<void(const input_event &)>;

    // Feeds one record. Returns true when a resync is due (call resync()).
    bool feed(const input_event &record, const Emit &out);

    // Brings the held keys in line with keyBits (KEY_CNT bits as EVIOCGKEY
    // fills them), emitting a release or press for every key that differs.
    // keyBits null means the state cannot be read: every held key is released.
    void resync(const unsigned char *keyBits, const Emit &out);

    // Releases every held key (the device went away).
    void releaseAll(const Emit &out) { resync(nullptr, out); }

    bool isHeld(int code) const { return code >= 0 && code < KEY_CNT && held.test(size_t(code)); }

private:
    void emitKey(int code, int value, const Emit &out);

    std::vector<input_event> frame;
    std::bitset<KEY_CNT> held;
    bool dropping = false;
};

// Reads an evdev node (or anything else that delivers input_event records,
// such as a pipe) without blocking and runs its records through a decoder.
class EvdevReader
{
public:
    // Takes ownership of fd, which must be non-blocking.
    explicit EvdevReader(int fd);
    ~EvdevReader();
    EvdevReader(const EvdevReader &) = delete;
    EvdevReader &operator=(const EvdevReader &) = delete;

    int fd() const { return handle; }

    // Reads and decodes everything available. Returns false when the node is
    // gone (end of file or a read error); the held keys are then released.
    bool readAvailable(const EvdevDecoder::Emit &out);

    // Releases every held key.
    void releaseAll(const EvdevDecoder::Emit &out) { decoder.releaseAll(out); }

private:
    int handle = -1;
    EvdevDecoder decoder;
    unsigned char partial[sizeof(input_event)] = {};
    size_t partialSize = 0; // bytes of a record whose rest has not arrived yet
};

// Hands one decoded record to the sink: keyboard keys as the scan codes of a
// Windows hook (value 2, auto-repeat, is a further press, as there), buttons
// and the wheel as mouse messages. evdev knows no pointer position: (0, 0).
void deliverEvdevRecord(const input_event &record, LinuxKeyMapper &mapper, const InputSink &sink);
