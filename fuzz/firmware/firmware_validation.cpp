// Any file chosen as firmware: one verdict, its label and the button agreeing with it.

#include "firmware/firmware_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("VT12F05A.vtfw"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::abort();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    static FirmwareFile firmware;
    const FirmwareFileCheck check = firmware.Validate(path);
    const FirmwareFileVerdict& verdict = check.verdict;
    const bool green = verdict.Colour() == LabelColour{0, 128, 0};
    if (!check.readError.isEmpty() || verdict.Accepted() != green ||
        firmware.IsAccepted() != verdict.Accepted() ||
        verdict.outcome == FirmwareFileOutcome::NotSelected ||
        verdict.outcome == FirmwareFileOutcome::Missing ||
        UploadButtonEnabled(verdict.Accepted(), true, false, false) != verdict.Accepted()) {
        std::abort();
    }
    return 0;
}
