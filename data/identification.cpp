#include "data/identification.h"

#include "core/conversions.h"
#include "data/identification_blocks.h"

#include <QDateTime>
#include <cmath>

namespace {

const QString kVersionMarker = QStringLiteral("Firmware Version: ");

// TDateTime counts days from here.
const QDate kDayZero(1899, 12, 30);
// After 6 July 2009: anything earlier is an unset stamp.
constexpr double kFirstUpdateTime = 40000.0;
// 1 January 10000: beyond it the bytes are no time stamp but noise.
constexpr double kLastUpdateTime = 2958466.0;
constexpr qint64 kMsPerDay = 86400000;

// The locale's long time without its time-zone name: the stamp is the controller's wall clock.
QString LongTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            result += c;
    }
    return result.trimmed();
}

QDateTime UpdateTime(double days) {
    const qint64 ms = std::llround(days * kMsPerDay);
    return {kDayZero.addDays(ms / kMsPerDay),
            QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms % kMsPerDay))};
}

QString UpdateTimeText(double days, const QLocale& locale) {
    const QDateTime time = UpdateTime(days);
    return locale.toString(time.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(time.time(), LongTimeFormat(locale));
}

bool PlausibleUpdateTime(double days) {
    return days > kFirstUpdateTime && days < kLastUpdateTime;
}

} // namespace

QString IdentificationText(const uint8_t* data, int length) {
    QString text;
    if (data == nullptr)
        return text;
    for (int i = 0; i < length; ++i) {
        if (data[i] != 0) {
            text += QChar::fromLatin1(static_cast<char>(data[i]));
            continue;
        }
        if (i + 1 < length && data[i + 1] == 0)
            break;
    }
    return text;
}

FirmwareCode FirmwareCodeOf(const QString& firstPartText) {
    if (firstPartText.startsWith(u"VT12"))
        return FirmwareCode::FromText(firstPartText.mid(4, FirmwareCode::kLength));
    int position = 0;
    if (ContainsAt(kVersionMarker, firstPartText, position) && position > 10) {
        const QString number = firstPartText.mid(position - 1 + kVersionMarker.size(), 5);
        return FirmwareCode::FromText(u' ' + ReplaceAll(number, ".", "").left(3));
    }
    return FirmwareCode("----");
}

QString BootloaderDataText(const uint8_t* data, int length, const QLocale& locale) {
    QString text = QStringLiteral("Bootloader version: \r\n") + IdentificationText(data, length) +
                   QStringLiteral("\r\n");
    InfoTextBlock block;
    LoadWire(block, data, length);
    // A reply too short to hold the stamp reads as zero there: no update line.
    const double updated = block.UpdateTime();
    if (PlausibleUpdateTime(updated))
        text += QStringLiteral("Firmware Updated: ") + UpdateTimeText(updated, locale);
    return text;
}

std::optional<QDateTime> UpdateTimeOf(const uint8_t* data, int length) {
    InfoTextBlock block;
    LoadWire(block, data, length);
    const double updated = block.UpdateTime();
    if (!PlausibleUpdateTime(updated))
        return std::nullopt;
    return UpdateTime(updated);
}

QString FirmwareVersionCaption(const FirmwareCode& code) {
    return QStringLiteral("Firmware Version: ") + code.Text();
}

QString HardwareVersionCaption(int hardwareVersion) {
    return QStringLiteral("Hardware Version: H%1").arg(hardwareVersion, 2, 10, QChar(u'0'));
}

SlaveVersion DecodeSlaveVersion(const uint8_t* data, int length) {
    SlaveVersionBlock block;
    LoadWire(block, data, length);
    const QString characters =
        QString::fromLatin1(reinterpret_cast<const char*>(block.Bytes.data()), block.Bytes.size());
    SlaveVersion version;
    version.caption =
        QStringLiteral("Slave Firmware Version: ") + QString(characters).remove(QChar(0));
    if (characters.contains(u"VT12F")) {
        // A short reply leaves zeros there; they stand for missing characters, as blanks do.
        const QString code = characters.mid(4, FirmwareCode::kLength).replace(QChar(0), u' ');
        version.code = FirmwareCode::FromText(code);
    }
    return version;
}
