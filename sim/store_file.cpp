#include "sim/store_file.h"

#include "sim/controller_model.h"

#include <QSaveFile>

namespace vt12sim {

bool writeStoreFile(const QString& path, const ControllerModel& model, QString* error) {
    QByteArray text;
    for (const BlockSpan& span : registerMap()) {
        // The identification blocks too, which the unit's firmware fixes.
        const bool identification =
            span.id == BlockId::FirmwareInfo || span.id == BlockId::FirmwareInfo2 ||
            span.id == BlockId::BootloaderInfo || span.id == BlockId::SlaveVersion;
        if (identification) {
            text += QByteArray::number(span.start) + ' ' + model.blockBytes(span.id).toHex() + '\n';
        } else if (span.writable) {
            text += QByteArray::number(span.start) + ' ' + model.keptBlock(span.id).toHex() + '\n';
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vt12sim
