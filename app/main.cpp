#include "HookCallbacks.h"
#include "Startup.h"
#include "Ui_Controler.h"
#include "Widget.h"
#include "hooks/Hook_Manager.h"
#include "view/myQQuickView.h"

#ifdef R7_DEMO
#include "device/virtual/VirtualR7.h"
#endif

#include <QApplication>

#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    enterExecutableFolder();

#ifdef R7_DEMO
    // The demo build talks to an emulated keyboard instead of the bus.
    installDemoKeyboard();
#endif

    auto widget = std::make_unique<Widget>();
    widget->checkDevice();

    auto hooks = std::make_unique<Hook_Manager>();
    hooks->setup(widget->controller->view->kbLayoutType == 0);
    hooks->setKeyboardCallback(keyboardCallback, widget.get());
    hooks->setMouseCallback(mouseCallback, widget.get());

    widget->showNormal();
    widget->startScene();

    const int result = app.exec();

    hooks.reset();
    widget.reset();
    return result;
}
