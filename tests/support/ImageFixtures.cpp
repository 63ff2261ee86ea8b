#include "ImageFixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

#include "BrvTest.h"
#include "GifStructure.h"

namespace {

// The real ImageMagick: a convert earlier on the PATH may be something else.
const QString kConvert = QStringLiteral("/usr/bin/convert");

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString colorArgument(const QColor &color)
{
    return QStringLiteral("xc:") + color.name(QColor::HexRgb);
}

QString sizeArgument(int width, int height)
{
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return QByteArray();
    return bytes;
}

} // namespace

namespace ImageFixtures {

bool gifWithFrames(const QString &path, const QList<QColor> &colors, const QList<int> &delaysMs,
                   int width, int height, bool loop)
{
    if (colors.size() != delaysMs.size())
        return false;
    QStringList arguments = {QStringLiteral("-size"), sizeArgument(width, height)};
    for (int i = 0; i < colors.size(); ++i) {
        arguments << QStringLiteral("-delay") << QString::number(delaysMs.at(i) / 10)
                  << colorArgument(colors.at(i));
    }
    if (loop)
        arguments << QStringLiteral("-loop") << QStringLiteral("0");
    arguments << QStringLiteral("GIF:") + path;
    return run(kConvert, arguments);
}

bool gifWithUndecodableFrame(const QString &path, const QList<QColor> &colors,
                             const QList<int> &delaysMs, int width, int height, int undecodable)
{
    if (!gifWithFrames(path, colors, delaysMs, width, height))
        return false;
    const GifStructure::File gif = GifStructure::parseFile(path);
    if (!gif.valid || undecodable < 0 || undecodable >= gif.frames.size())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    // Past the separator, the descriptor and any local table lie the minimum code size and
    // the first sub-block's length; its first codes become ones no table holds yet.
    const GifStructure::Frame &frame = gif.frames.at(undecodable);
    const int data = frame.offset + 10 + frame.localTable.size() + 2;
    const int length = quint8(bytes.at(data - 1));
    for (int i = 0; i < qMin(4, length); ++i)
        bytes[data + i] = char(0xFF);
    if (!file.seek(0) || file.write(bytes) != bytes.size())
        return false;
    file.close();

    QImageReader reader(path);
    if (reader.imageCount() != colors.size())
        return false;
    for (int k = 0; k < undecodable; ++k) {
        if (reader.read().isNull())
            return false;
    }
    return reader.read().isNull();
}

bool animatedWebp(const QString &path, const QList<QColor> &colors, const QList<int> &delaysMs,
                  int width, int height)
{
    QTemporaryDir frames;
    if (!frames.isValid() || colors.size() != delaysMs.size())
        return false;
    QStringList arguments = {QStringLiteral("-loop"), QStringLiteral("0"),
                             QStringLiteral("-lossless")};
    for (int i = 0; i < colors.size(); ++i) {
        const QString frame = frames.filePath(QStringLiteral("%1.png").arg(i));
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(colors.at(i));
        if (!image.save(frame, "PNG"))
            return false;
        arguments << QStringLiteral("-d") << QString::number(delaysMs.at(i)) << frame;
    }
    arguments << QStringLiteral("-o") << path;
    return run(QStringLiteral("img2webp"), arguments);
}

bool stillWebp(const QString &path, WebpKind kind, int width, int height)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString source = dir.filePath(QStringLiteral("source.png"));
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kind == WebpKind::Alpha ? QColor(200, 40, 40, 120) : QColor(200, 40, 40));
    if (!image.save(source, "PNG"))
        return false;
    QStringList arguments = {QStringLiteral("-quiet")};
    if (kind == WebpKind::Lossless)
        arguments << QStringLiteral("-lossless");
    else
        arguments << QStringLiteral("-q") << QStringLiteral("80");
    arguments << source << QStringLiteral("-o") << path;
    return run(QStringLiteral("cwebp"), arguments);
}

bool multiPageTiff(const QString &path, const QList<QColor> &colors, int width, int height)
{
    QStringList arguments = {QStringLiteral("-size"), sizeArgument(width, height)};
    for (const QColor &color : colors)
        arguments << colorArgument(color);
    arguments << QStringLiteral("TIFF:") + path;
    return run(kConvert, arguments);
}

bool pngWithAcTLChunk(const QString &path, const QImage &image)
{
    QByteArray png = encoded(image, "PNG");
    // Signature (8 bytes), then the header chunk: length, "IHDR", 13 bytes of data, CRC.
    constexpr int kAfterHeader = 8 + 4 + 4 + 13 + 4;
    if (png.size() <= kAfterHeader)
        return false;
    const QByteArray body = QByteArray("acTL") + bigEndian32(1) + bigEndian32(0);
    const QByteArray chunk = bigEndian32(8) + body + bigEndian32(crc32(body));
    png.insert(kAfterHeader, chunk);
    return writeBytes(path, png);
}

bool pngWithClaimedSize(const QString &path, int width, int height)
{
    QByteArray png = encoded(QImage(4, 4, QImage::Format_RGB32), "PNG");
    // Signature (8 bytes), then the header chunk: length, "IHDR", 13 bytes of data, CRC.
    constexpr int kHeaderData = 8 + 4 + 4;
    if (png.size() <= kHeaderData + 13 + 4)
        return false;
    png.replace(kHeaderData, 4, bigEndian32(quint32(width)));
    png.replace(kHeaderData + 4, 4, bigEndian32(quint32(height)));
    png.replace(kHeaderData + 13, 4, bigEndian32(crc32(png.mid(kHeaderData - 4, 4 + 13))));
    return writeBytes(path, png);
}

bool animatedWebpWithClaimedCanvas(const QString &path, int width, int height)
{
    if (!animatedWebp(path, {Qt::red, Qt::blue}, {100, 100}, 4, 4))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray webp = file.readAll();
    file.close();
    // "RIFF", size, "WEBP", then "VP8X", its size, flags and three reserved bytes, and the
    // canvas width and height less one, 24 bits each.
    constexpr int kCanvas = 12 + 8 + 4;
    if (webp.mid(12, 4) != "VP8X" || webp.size() < kCanvas + 6)
        return false;
    for (int i = 0; i < 3; ++i) {
        webp[kCanvas + i] = char(((width - 1) >> (8 * i)) & 0xFF);
        webp[kCanvas + 3 + i] = char(((height - 1) >> (8 * i)) & 0xFF);
    }
    return writeBytes(path, webp);
}

bool bmp24(const QString &path, const QImage &image, int cutTo)
{
    const QByteArray bmp = encoded(image.convertToFormat(QImage::Format_RGB888), "BMP");
    // Qt writes a 24-bit bitmap for a 24-bit image: bit count at byte 28.
    if (bmp.size() < 30 || bmp.at(28) != 24)
        return false;
    return writeBytes(path, cutTo > 0 ? bmp.left(cutTo) : bmp);
}

bool fifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool jpegWithOrientation(const QString &path, const QImage &image, int orientation)
{
    QByteArray jpeg = encoded(image, "JPEG");
    if (jpeg.size() < 2)
        return false;
    // A big-endian TIFF block with one IFD entry: Orientation (0x0112), SHORT, count 1.
    const QByteArray tiff = QByteArray("MM", 2) + bigEndian16(42) + bigEndian32(8)
                            + bigEndian16(1) + bigEndian16(0x0112) + bigEndian16(3)
                            + bigEndian32(1) + bigEndian16(quint16(orientation))
                            + bigEndian16(0) + bigEndian32(0);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray segment = QByteArray("\xFF\xE1", 2) + bigEndian16(quint16(exif.size() + 2))
                               + exif;
    jpeg.insert(2, segment); // right after the start-of-image marker
    return writeBytes(path, jpeg);
}

QImage photoLikeImage(int width, int height)
{
    const QImage noise = BrvTest::noiseImage(width, height, 2024u);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto *grains = reinterpret_cast<const QRgb *>(noise.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(qBlue(grains[x]) % 9) - 4;
            const int r = 60 + 140 * x / qMax(1, width - 1) + grain;
            const int g = 90 + 100 * y / qMax(1, height - 1) + grain;
            const int b = 170 - 90 * (x + y) / qMax(1, width + height - 2) + grain;
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return image;
}

QImage translucentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(width / 2.0, height / 2.0, qMin(width, height) / 3.0);
    disc.setColorAt(0, QColor(230, 60, 40));
    disc.setColorAt(0.8, QColor(230, 60, 40, 200));
    disc.setColorAt(1, QColor(230, 60, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(width / 2.0, height / 2.0), width / 3.0, height / 3.0);
    painter.fillRect(QRectF(0, height * 0.7, width, height * 0.1), QColor(20, 90, 200, 110));
    return image;
}

bool photoJpeg(const QString &path, int width, int height, JpegDamage damage, bool progressive)
{
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(progressive);
        if (!writer.write(photoLikeImage(width, height)))
            return false;
    }
    if (!jpeg.endsWith("\xFF\xD9"))
        return false;
    switch (damage) {
    case JpegDamage::None:
        break;
    case JpegDamage::CutAt40:
        jpeg.truncate(jpeg.size() * 40 / 100);
        break;
    case JpegDamage::CutAt90:
        jpeg.truncate(jpeg.size() * 90 / 100);
        break;
    case JpegDamage::NoEndMarker:
        jpeg.chop(2);
        break;
    case JpegDamage::TrailingBytes:
        jpeg += QByteArray("\xFF\xD8 and then a few bytes of another download\n");
        break;
    }
    return writeBytes(path, jpeg);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

bool truncatedCopy(const QString &source, const QString &path, int count)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return writeBytes(path, file.read(count));
}

} // namespace ImageFixtures
