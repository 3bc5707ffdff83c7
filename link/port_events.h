#pragma once
// The life of the ports port detection tries.

#include <QString>

class PortEvents {
public:
    virtual ~PortEvents() = default;
    virtual void PortTried(int port) = 0;
    virtual void PortOpened(int port) = 0;
    virtual void PortOpenFailed(int port, const QString& text) = 0;
    virtual void PortClosed(int port) = 0;
};
