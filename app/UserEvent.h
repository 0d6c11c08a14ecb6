#pragma once

#include <QEvent>

// The start-up event the Widget posts to itself; code 2177 is the only one.
class UserEvent : public QEvent
{
public:
    static constexpr int StartUpCode = 2177;

    explicit UserEvent(int code)
        : QEvent(QEvent::User), code(code) {}

    qint32 code;
};
