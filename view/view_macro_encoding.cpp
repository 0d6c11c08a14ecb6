// Macro encoding and upload: item texts to the keyboard's words, and the
// 128-byte block of one macro slot.
#include "myQQuickView.h"

#include "device/Hid_Thread.h"
#include "macro_codec.h"
#include "dialogs.h"

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return macrocodec::encode(macros, usbCodeByName);
}

void myQQuickView::ui_10H_SetMacroKey(QVariant macroId, QVariant name)
{
    const QList<uchar> encoded = macroIncode(loadMacroIni(name));
    uchar block[macrocodec::blockSize];
    if (!macrocodec::toUploadBlock(encoded, block)) {
        // Shown before any language file is loaded, too.
        const QString title = messageTexts.size() > 0 ? messageTexts.at(0) : QStringLiteral("Macro too long");
        const QString text = messageTexts.size() > 1
            ? messageTexts.at(1)
            : QStringLiteral("This macro does not fit into the keyboard's macro memory. A macro holds at "
                             "most 62 steps: 31 key presses with their releases, fewer when it has "
                             "delays. Please shorten it.");
        dialogs::warning(title, text);
        // Half a macro without its end word is worse than the old one: the
        // keyboard keeps what it had.
        return;
    }
    const uchar slot = uchar(macroId.toInt() & 0xFF);
    if (hid)
        hid->hid_10H_SetMacroKey(slot, block);
}
