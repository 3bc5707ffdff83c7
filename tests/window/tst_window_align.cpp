#include "window/page_align.h"

#include "tests/support/test_registry.h"

#include <QApplication>
#include <QTest>

class TestWindowAlign : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Edges are taken in the order tops, bottoms, lefts, rights, then the client, whatever
    // the creation order; each keeps its own thickness.
    void edgesThenClient() {
        QWidget parent;
        parent.resize(400, 300);
        auto* client = new QWidget(&parent);
        auto* left = new QWidget(&parent);
        auto* top = new QWidget(&parent);
        auto* bottom = new QWidget(&parent);
        auto* right = new QWidget(&parent);
        left->resize(50, 10);
        top->resize(10, 20);
        bottom->resize(10, 30);
        right->resize(60, 10);
        SetAlign(client, Align::Client);
        SetAlign(left, Align::Left);
        SetAlign(top, Align::Top);
        SetAlign(bottom, Align::Bottom);
        SetAlign(right, Align::Right);
        QCOMPARE(top->geometry(), QRect(0, 0, 400, 20));
        QCOMPARE(bottom->geometry(), QRect(0, 270, 400, 30));
        QCOMPARE(left->geometry(), QRect(0, 20, 50, 250));
        QCOMPARE(right->geometry(), QRect(340, 20, 60, 250));
        QCOMPARE(client->geometry(), QRect(50, 20, 290, 250));
    }

    void sameEdgeStacksInCreationOrder() {
        QWidget parent;
        parent.resize(200, 200);
        QWidget* rows[3];
        for (QWidget*& row : rows) {
            row = new QWidget(&parent);
            row->resize(10, 39);
            SetAlign(row, Align::Top);
        }
        QCOMPARE(rows[2]->geometry(), QRect(0, 78, 200, 39));
    }

    void hiddenControlTakesNoRoomAndMarginsAreKept() {
        QWidget parent;
        parent.resize(300, 100);
        parent.setContentsMargins(2, 2, 2, 2);
        auto* right = new QWidget(&parent);
        auto* client = new QWidget(&parent);
        right->resize(100, 10);
        right->hide();
        SetAlign(right, Align::Right);
        SetAlign(client, Align::Client);
        QCOMPARE(client->geometry(), QRect(2, 2, 296, 96));
        AlignTree(&parent);
        QCOMPARE(AlignOf(right), Align::Right);
        QCOMPARE(AlignOf(&parent), Align::None);
    }

    // On screen the aligned controls follow the parent and each other by themselves.
    void followsResizesAndVisibility() {
        QWidget parent;
        parent.resize(300, 100);
        auto* right = new QWidget(&parent);
        auto* client = new QWidget(&parent);
        right->resize(100, 10);
        SetAlign(right, Align::Right);
        SetAlign(client, Align::Client);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        parent.resize(500, 120);
        QTRY_COMPARE(client->geometry(), QRect(0, 0, 400, 120));
        right->resize(250, right->height());
        QTRY_COMPARE(client->geometry(), QRect(0, 0, 250, 120));
        right->hide();
        QTRY_COMPARE(client->geometry(), QRect(0, 0, 500, 120));
        right->show();
        QTRY_COMPARE(right->geometry(), QRect(250, 0, 250, 120));
    }

    void tooSmallParentGivesEmptyClient() {
        QWidget parent;
        parent.resize(50, 50);
        auto* left = new QWidget(&parent);
        auto* client = new QWidget(&parent);
        left->resize(80, 10);
        SetAlign(left, Align::Left);
        SetAlign(client, Align::Client);
        QCOMPARE(client->size(), QSize(0, 50));
    }
};

VT12_TEST(TestWindowAlign, TestApplication::Widgets)
#include "tst_window_align.moc"
