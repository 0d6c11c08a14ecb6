#include "EvdevDecoder.h"

#include "InputSource.h"
#include "LinuxKeyMapper.h"

#include <cerrno>
#include <cstring>

#include <sys/ioctl.h>
#include <unistd.h>

bool EvdevDecoder::feed(const input_event &record, const Emit &out)
{
    if (record.type == EV_SYN) {
        if (record.code == SYN_DROPPED) {
            frame.clear();
            dropping = true;
            return false;
        }
        if (record.code != SYN_REPORT)
            return false;
        if (dropping) {
            dropping = false; // the frame after the gap is incomplete as well
            frame.clear();
            return true;
        }
        for (const input_event &e : frame) {
            if (e.type == EV_KEY)
                emitKey(e.code, e.value, out);
            else
                out(e);
        }
        frame.clear();
        return false;
    }
    if (dropping)
        return false;
    const bool wanted = (record.type == EV_KEY && record.code < KEY_CNT && record.value >= 0 && record.value <= 2)
        || (record.type == EV_REL && (record.code == REL_WHEEL || record.code == REL_HWHEEL));
    if (wanted)
        frame.push_back(record);
    return false;
}

void EvdevDecoder::resync(const unsigned char *keyBits, const Emit &out)
{
    for (int code = 0; code < KEY_CNT; ++code) {
        const bool down = keyBits && (keyBits[code / 8] & (1u << (code % 8)));
        if (down != held.test(size_t(code)))
            emitKey(code, down ? 1 : 0, out);
    }
}

void EvdevDecoder::emitKey(int code, int value, const Emit &out)
{
    held.set(size_t(code), value != 0);
    input_event e{};
    e.type = EV_KEY;
    e.code = static_cast<__u16>(code);
    e.value = value;
    out(e);
}

EvdevReader::EvdevReader(int fd)
    : handle(fd)
{
}

EvdevReader::~EvdevReader()
{
    if (handle >= 0)
        ::close(handle);
}

bool EvdevReader::readAvailable(const EvdevDecoder::Emit &out)
{
    unsigned char buffer[64 * sizeof(input_event)];
    for (;;) {
        std::memcpy(buffer, partial, partialSize);
        const ssize_t n = ::read(handle, buffer + partialSize, sizeof(buffer) - partialSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        if (n <= 0) { // end of file, or the device was removed (ENODEV)
            decoder.releaseAll(out);
            return false;
        }
        const size_t total = partialSize + size_t(n);
        size_t offset = 0;
        for (; offset + sizeof(input_event) <= total; offset += sizeof(input_event)) {
            input_event record;
            std::memcpy(&record, buffer + offset, sizeof(record));
            if (decoder.feed(record, out)) {
                unsigned char keyBits[(KEY_CNT + 7) / 8] = {};
                const bool known = ::ioctl(handle, EVIOCGKEY(sizeof(keyBits)), keyBits) >= 0;
                decoder.resync(known ? keyBits : nullptr, out);
            }
        }
        partialSize = total - offset;
        std::memcpy(partial, buffer + offset, partialSize);
    }
}

void deliverEvdevRecord(const input_event &e, LinuxKeyMapper &mapper, const InputSink &sink)
{
    if (e.type == EV_REL) {
        if (sink.mouse)
            sink.mouse(e.code == REL_WHEEL ? kMouseWheel : kMouseHorizontalWheel, 0, 0);
        return;
    }
    const bool down = e.value != 0; // 2 is auto-repeat: the key is still down
    quint32 message = 0;
    switch (e.code) {
    case BTN_LEFT: message = down ? kLeftButtonDown : kLeftButtonUp; break;
    case BTN_RIGHT: message = down ? kRightButtonDown : kRightButtonUp; break;
    case BTN_MIDDLE: message = down ? kMiddleButtonDown : kMiddleButtonUp; break;
    case BTN_SIDE: case BTN_EXTRA: case BTN_FORWARD: case BTN_BACK: case BTN_TASK:
        message = down ? kExtraButtonDown : kExtraButtonUp;
        break;
    default:
        if (e.code >= BTN_MISC && e.code < KEY_OK)
            return; // joystick, tablet and touch buttons
        LinuxKeyMapper::Key key;
        if (mapper.map(e.code, down, &key) && sink.key)
            sink.key(down, key.scanCode, key.flags);
        return;
    }
    if (sink.mouse)
        sink.mouse(message, 0, 0);
}
