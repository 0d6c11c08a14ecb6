#pragma once

#include <QObject>

class Widget;
class myQQuickView;

// Dresses the top-level Widget as the frameless translucent scene window,
// creates the view and publishes the host objects to the scene; moves,
// closes and marks the window busy on the scene's behalf.
class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    explicit Ui_Controler(QObject *parent = nullptr);

    void init(Widget *window);

    Widget *window = nullptr;
    myQQuickView *view = nullptr;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);
};
