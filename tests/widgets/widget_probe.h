#pragma once
// Test helpers: a component's own painting on a marker background, and a count of its paints.

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

// A colour no component uses, so unpainted pixels stand out.
inline const QColor Unpainted{255, 0, 255};

inline QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Unpainted);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) : QObject(watched) {
        watched->installEventFilter(this);
    }
    // Shows the widget and lets its first paints pass before counting starts.
    static void ShowSettled(QWidget& widget) {
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCoreApplication::processEvents();
    }
    int Paints() {
        QCoreApplication::processEvents();
        return paints;
    }
    void Reset() {
        QCoreApplication::processEvents();
        paints = 0;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int paints = 0;
};
