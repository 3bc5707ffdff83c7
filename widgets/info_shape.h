#pragma once
// A callout drawn with a pen and a brush of its own; a backdrop behind labels.

#include "widgets/callout.h"

class TInfoShape : public TCallout {
    Q_OBJECT
public:
    explicit TInfoShape(QWidget* parent = nullptr);

    QPen Pen() const { return pen; }
    void SetPen(const QPen& value);
    QBrush Brush() const { return brush; }
    void SetBrush(const QBrush& value);

protected:
    QPen CalloutPen() const override { return pen; }
    QBrush CalloutBrush() const override { return brush; }

private:
    QPen pen{Qt::black, 1, Qt::SolidLine};
    QBrush brush{Qt::white, Qt::SolidPattern};
};
