// Writes the Windows icon of the program (resources/windows/orvelia.ico) from the
// product mark, at the sizes Explorer and the task bar ask for, each a PNG image.
// Usage: orvelia-icona <logo.svg> <output.ico>
#include <cstdio>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

void putWord(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF)).append(char(v >> 8));
}

void putLong(QByteArray& out, quint32 v) {
    putWord(out, quint16(v & 0xFFFF));
    putWord(out, quint16(v >> 16));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: orvelia-icona <logo.svg> <icona.ico>\n");
        return 2;
    }
    QSvgRenderer logo(QString::fromLocal8Bit(argv[1]));
    if (!logo.isValid())
        return 1;
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};
    QList<QByteArray> images;
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        logo.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        images.append(png.data());
    }
    // ICONDIR, one ICONDIRENTRY an image, then the images.
    QByteArray out;
    putWord(out, 0);
    putWord(out, 1);
    putWord(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        out.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        out.append(char(0)).append(char(0)); // no palette, reserved
        putWord(out, 1);                     // colour planes
        putWord(out, 32);                    // bits per pixel
        putLong(out, quint32(images[i].size()));
        putLong(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        return 1;
    return 0;
}
