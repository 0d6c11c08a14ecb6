#include "Hook_Manager.h"

#include <QDebug>

Hook_Manager::Hook_Manager(InputSourceFactory factory)
    : factory(factory ? std::move(factory) : InputSourceFactory(createSystemInputSource))
{
}

Hook_Manager::~Hook_Manager()
{
    uninstall();
}

bool Hook_Manager::setup(bool oem5AsNonUsHash)
{
    this->oem5AsNonUsHash = oem5AsNonUsHash;
    tables.build(oem5AsNonUsHash);
    return install();
}

bool Hook_Manager::install()
{
    if (source)
        uninstall();
    std::unique_ptr<InputSource> candidate = factory();
    if (!candidate)
        return false;
    InputSink sink;
    sink.key = [this](bool isDown, quint32 scanCode, quint32 flags) { keyboardProc(isDown, scanCode, flags); };
    sink.mouse = [this](quint32 message, qint32 x, qint32 y) { mouseProc(message, x, y); };
    if (!candidate->start(sink))
        return false;
    source = std::move(candidate);
    qDebug().noquote() << "Input capture on:" << source->name();
    return true;
}

void Hook_Manager::uninstall()
{
    source.reset();
}

QString Hook_Manager::sourceName() const
{
    return source ? source->name() : QString();
}

void Hook_Manager::setKeyboardCallback(KeyboardCallback callback, void *context)
{
    keyboardCallback = callback;
    keyboardContext = context;
}

void Hook_Manager::setMouseCallback(MouseCallback callback, void *context)
{
    mouseCallback = callback;
    mouseContext = context;
}

void Hook_Manager::keyboardProc(bool isDown, quint32 scanCode, quint32 flags)
{
    const quint8 usage = tables.translate(scanCode, flags);
    if (usage == 0 || keyState[usage] == quint8(isDown))
        return;
    keyState[usage] = quint8(isDown);
    if (keyboardCallback && keyboardContext)
        keyboardCallback(usage, isDown, keyboardContext);
}

void Hook_Manager::mouseProc(quint32 message, qint32 x, qint32 y)
{
    quint8 button = 0;
    bool isDown = false;
    switch (message) {
    case kLeftButtonDown: button = kMouseLeft; isDown = true; break;
    case kLeftButtonUp: button = kMouseLeft; break;
    case kRightButtonDown: button = kMouseRight; isDown = true; break;
    case kRightButtonUp: button = kMouseRight; break;
    case kMiddleButtonDown: button = kMouseMiddle; isDown = true; break;
    case kMiddleButtonUp: button = kMouseMiddle; break;
    default: return; // double clicks, moves, wheels, extra buttons
    }
    if (mouseCallback && mouseContext)
        mouseCallback(button, isDown, x, y, mouseContext);
}
