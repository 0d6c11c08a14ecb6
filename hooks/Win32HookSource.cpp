#include "Win32HookSource.h"

#ifdef Q_OS_WIN

#include <windows.h>

namespace {

// The hook procedures get no context: what they need lives here.
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;
InputSink activeSink;

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *info = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    const bool isDown = nCode == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN);
    if (nCode == HC_ACTION && info && activeSink.key)
        activeSink.key(isDown, info->scanCode, info->flags);
    return CallNextHookEx(keyboardHook, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *info = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
    if (nCode == HC_ACTION && info && activeSink.mouse)
        activeSink.mouse(quint32(wParam), info->pt.x, info->pt.y);
    return CallNextHookEx(mouseHook, nCode, wParam, lParam);
}

void removeHooks()
{
    if (keyboardHook)
        UnhookWindowsHookEx(keyboardHook);
    if (mouseHook)
        UnhookWindowsHookEx(mouseHook);
    keyboardHook = nullptr;
    mouseHook = nullptr;
    activeSink = InputSink();
}

} // namespace

Win32HookSource::~Win32HookSource()
{
    removeHooks();
}

bool Win32HookSource::start(const InputSink &sink)
{
    removeHooks();
    activeSink = sink;
    HMODULE module = GetModuleHandleW(nullptr);
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (keyboardHook && mouseHook)
        return true;
    removeHooks(); // a half installation helps nobody: remove the hook that did install
    return false;
}

#endif
