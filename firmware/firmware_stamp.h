#pragma once
// The trailer the upload writes at the end of the firmware window: when it was uploaded, the
// upload signature and the checksum the controller tests the image with.

#include "firmware/firmware_image.h"

#include <QDateTime>

// Days since 30 December 1899, the time of day (milliseconds included) as fraction.
double DaysSinceDayZero(const QDateTime& localTime);

void StampFirmwareImage(FirmwareImage& image, const QDateTime& localTime);
