#include "HookCallbacks.h"

#include "Ui_Controler.h"
#include "Widget.h"
#include "view/myQQuickView.h"

namespace {
myQQuickView *viewOf(void *context)
{
    auto *widget = static_cast<Widget *>(context);
    if (!widget || !widget->controller)
        return nullptr;
    return widget->controller->view;
}
} // namespace

void keyboardCallback(unsigned char usage, bool isDown, void *context)
{
    if (myQQuickView *view = viewOf(context))
        view->forwardKeyboard(isDown, usage);
}

void mouseCallback(unsigned char button, bool isDown, int x, int y, void *context)
{
    if (myQQuickView *view = viewOf(context))
        view->forwardMouse(isDown, button, uint(x), uint(y));
}
