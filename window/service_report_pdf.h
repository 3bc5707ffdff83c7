#pragma once
// The service report on paper: its sections laid out on A4 pages of a PDF, then a picture of
// each page of the window.

#include "session/service_report.h"

#include <QImage>

class QIODevice;

struct ReportPicture {
    QString caption;
    QImage image;
};

// False when the painter could not start on the device.
bool WriteServiceReportPdf(QIODevice& device, const ServiceReport& report,
                           const QList<ReportPicture>& pictures);
