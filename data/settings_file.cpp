#include "data/settings_file.h"

#include "core/file_write.h"
#include "core/path_calls.h"
#include "data/installation_mode.h"
#include "data/trimmed_text.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

struct ImageSegment {
    int offset;
    int size;
    BlockId block;
};

constexpr std::array<ImageSegment, 5> kImageSegments{{
    {0, 100, BlockId::SystemSettings},
    {100, 400, BlockId::GateSettings},
    {500, 400, BlockId::SlaveGateSettings},
    {900, 300, BlockId::GateNames},
    {1200, 300, BlockId::SlaveGateNames},
}};

struct TextSegment {
    int offset;
    int size;
    QString SettingsFileTexts::*memo;
    std::optional<QString> SettingsFileLoaded::*loaded;
};

const std::array<TextSegment, 3> kTextSegments{{
    {1500, 500, &SettingsFileTexts::mFwData, &SettingsFileLoaded::mFwData},
    {2000, 300, &SettingsFileTexts::mCtcs, &SettingsFileLoaded::mCtcs},
    {2300, 300, &SettingsFileTexts::mCtcs24, &SettingsFileLoaded::mCtcs24},
}};

static_assert([] {
    int next = 0;
    for (const ImageSegment& segment : kImageSegments) {
        if (segment.offset != next || SpecOf(segment.block).bytes() > segment.size)
            return false;
        next += segment.size;
    }
    return next == 1500;
}());

// Memo lines are separated by carriage return and line feed in the file.
QByteArray FileText(const QString& memo) {
    QString text = memo;
    return text.replace(u'\n', QStringLiteral("\r\n")).toLatin1();
}

QString MemoText(const QByteArray& segment) {
    return TrimmedText(QString::fromLatin1(segment))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QByteArray SettingsFileBytes(const ControllerImages& images, const SettingsFileTexts& texts,
                             SettingsSide side) {
    QByteArray file(kSettingsFileSize, '\0');
    for (const ImageSegment& segment : kImageSegments) {
        const std::span<const uint8_t> image = side == SettingsSide::Read
                                                   ? images.ReadImage(segment.block)
                                                   : images.EditedImage(segment.block);
        std::memcpy(file.data() + segment.offset, image.data(), image.size());
    }
    for (const TextSegment& segment : kTextSegments) {
        const QByteArray text = FileText(texts.*segment.memo).left(segment.size);
        std::memcpy(file.data() + segment.offset, text.constData(),
                    static_cast<size_t>(text.size()));
    }
    return file;
}

SettingsFileSaved SaveSettingsFile(const QString& path, const ControllerImages& images,
                                   const SettingsFileTexts& texts, SettingsSide side) {
    const FileWritten written = WriteWholeFile(path, SettingsFileBytes(images, texts, side));
    return {written.written, written.failure};
}

SettingsFileLoaded LoadSettingsFile(const QString& path, ControllerImages& images) {
    // Only a regular file is opened: a pipe would wait for a writer, a device may never end.
    QFile file;
    if (const QString error = OpenExact(file, path, QIODevice::ReadOnly); !error.isEmpty())
        return {false, error, {}, {}, {}, false};
    const QByteArray bytes = file.read(kSettingsFileSize);
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString(), {}, {}, {}, false};
    return TakeSettingsFile(bytes, images);
}

SettingsFileLoaded TakeSettingsFile(const QByteArray& bytes, ControllerImages& images) {
    const int length = static_cast<int>(std::min<qsizetype>(bytes.size(), kSettingsFileSize));
    SettingsFileLoaded loaded;
    loaded.ok = true;
    for (const ImageSegment& segment : kImageSegments) {
        const std::span<uint8_t> image = images.EditedImage(segment.block);
        const int reached = std::min(static_cast<int>(image.size()), length - segment.offset);
        if (reached > 0)
            std::memcpy(image.data(), bytes.constData() + segment.offset,
                        static_cast<size_t>(reached));
    }
    for (const TextSegment& segment : kTextSegments) {
        if (length > segment.offset)
            loaded.*segment.loaded = MemoText(
                bytes.mid(segment.offset, std::min(segment.size, length - segment.offset)));
    }
    loaded.slaveRowsShown =
        images.SystemSettings.Edited.InstallationMode() == kInstallationMasterSlave;
    return loaded;
}
