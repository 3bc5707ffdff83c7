#include "bench/soak/controller_store.h"

#include <QFile>

ControllerStore ReadControllerStore(const QString& path) {
    ControllerStore store;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return store;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2)
            store.insert(words[0].toInt(), QByteArray::fromHex(words[1]));
    }
    return store;
}
