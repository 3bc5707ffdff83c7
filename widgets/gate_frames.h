#pragma once
// The 24 gate frames of the STATUS && TEST page: gates 1 to 12 of the master unit and
// 13 to 24 of the slave unit, each column stacked from the top.

#include "widgets/gate_frame.h"

#include <array>

std::array<TfrGate*, 24> CreateGateFrames(QWidget* pFirst12, QWidget* pOther24,
                                          const GatePictures& pictures);
