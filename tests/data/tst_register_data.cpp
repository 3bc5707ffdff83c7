#include "data/register_data.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <array>

class TestRegisterData : public QObject {
    Q_OBJECT

private slots:
    void dataOfAnAnswer_data();
    void dataOfAnAnswer();
};

void TestRegisterData::dataOfAnAnswer_data() {
    QTest::addColumn<int>("byteCount");
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<int>("length");

    QTest::newRow("four registers") << 8 << 13 << 8;
    QTest::newRow("whole buffer") << 248 << 256 << 248;
    QTest::newRow("count beyond the buffer") << 255 << 256 << 251;
    QTest::newRow("count beyond the frame") << 32 << 13 << 8;
    QTest::newRow("header and CRC only") << 4 << 5 << 0;
    QTest::newRow("shorter than a header") << 4 << 2 << 0;
}

void TestRegisterData::dataOfAnAnswer() {
    QFETCH(int, byteCount);
    QFETCH(int, frameLength);
    QFETCH(int, length);

    std::array<uint8_t, 256> frame{5, 3, uint8_t(byteCount)};
    const RegisterData data = RegisterDataOfFrame(frame.data(), frameLength);
    QCOMPARE(data.length, length);
    if (length > 0)
        QCOMPARE(data.data, frame.data() + 3);
    QCOMPARE(RegisterDataOfFrame(nullptr, frameLength).length, 0);
}

VT12_TEST(TestRegisterData, TestApplication::Core)
#include "tst_register_data.moc"
