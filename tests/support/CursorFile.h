#pragma once

// A small cursor file (.cur) with a hot spot, made from an icon file.
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

inline QByteArray makeCursorFile(int hotX, int hotY) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "ico").write(image);
    QByteArray bytes = buffer.data();
    auto* data = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian<quint16>(2, data + 2); // type: cursor
    qToLittleEndian<quint16>(quint16(hotX), data + 10);
    qToLittleEndian<quint16>(quint16(hotY), data + 12);
    return bytes;
}
