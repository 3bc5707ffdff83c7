#pragma once
// What each control of the window does, with the range and unit of its value, as its tooltip.

class QWidget;

// Controls are found by name; a name the window does not hold is passed over, and a hint a
// control already has is kept.
void SetControlToolTips(QWidget* window);
