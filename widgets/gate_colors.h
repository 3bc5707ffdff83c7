#pragma once
// Colours of the gate display, shared by the gate frames and the legend beside them.

#include <QColor>

inline const QColor SignalIdleColor{176, 176, 176};
inline const QColor SignalIdleSlaveColor{192, 192, 192};
inline const QColor SignalActiveColor{255, 224, 0};
inline const QColor SignalMinAirflowColor{128, 176, 255};

inline const QColor GateInactiveTextColor{128, 128, 128};
inline const QColor GateMinAirflowTextColor{48, 96, 255};
inline const QColor DelayOffFillColor{160, 160, 160};
inline const QColor DelayOffOutlineColor{96, 96, 96};
inline const QColor DelayOnFillColor{255, 255, 0};
inline const QColor DelayOnOutlineColor{255, 192, 0};
inline const QColor ManualIndicatorColor{255, 208, 0};
