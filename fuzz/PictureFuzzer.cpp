// libFuzzer target for the sheet picture's file: any bytes end in a picture
// or a core::Error, never a crash, a hang or runaway memory; a picture
// that loads is drawn, whole and in part, at a small and a large scale.
#include "core/Error.h"
#include "spreadsheet/VectorPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts named by the inputs make Qt note missing features; thousands of notes only slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(*argc, *argv); // fonts for the texts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const spreadsheet::VectorPicture picture = spreadsheet::VectorPicture::fromBytes(bytes);
        QImage image(64, 64, QImage::Format_RGB32);
        QPainter painter(&image);
        picture.paint(painter, QRectF(0, 0, 64, 64), image.rect());
        const QSize size = picture.size();
        picture.paint(painter,
                      QRectF(-size.width() / 2.0, -size.height() / 2.0, size.width() * 4.0, size.height() * 4.0),
                      image.rect());
    } catch (const core::Error&) {}
    return 0;
}
