#include "FixtureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include "BrvTest.h"

namespace FixtureFiles {

QString imageMagick()
{
    // The real ImageMagick, not a look-alike earlier on the path.
    const QString program = QStringLiteral("/usr/bin/convert");
    return QFileInfo(program).isExecutable() ? program : QString();
}

bool writeGif(const QString &path, const QList<QColor> &colors, const QSize &size,
              int delayHundredths)
{
    const QString program = imageMagick();
    QTemporaryDir frames;
    if (program.isEmpty() || !frames.isValid() || colors.isEmpty())
        return false;
    QStringList args{QStringLiteral("-delay"), QString::number(delayHundredths),
                     QStringLiteral("-loop"), QStringLiteral("0")};
    for (int i = 0; i < colors.size(); ++i) {
        const QString frame = frames.filePath(QStringLiteral("frame%1.png").arg(i));
        if (!BrvTest::solidImage(size.width(), size.height(), colors.at(i)).save(frame))
            return false;
        args << frame;
    }
    // Written in the scratch folder first: ImageMagick reads "%d" and the like in a file name
    // as a frame-number pattern.
    const QString made = frames.filePath(QStringLiteral("made.gif"));
    args << made;
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return false;
    QFile::remove(path);
    return QFile::copy(made, path);
}

bool writeJpegWithOrientation(const QString &path, const QImage &image, int orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPEG", 95))
        return false;

    // APP1 "Exif": a big-endian TIFF header and one IFD holding only the orientation tag.
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    char entry[2 + 12 + 4] = {};
    qToBigEndian<quint16>(1, entry);
    qToBigEndian<quint16>(0x0112, entry + 2); // Orientation
    qToBigEndian<quint16>(3, entry + 4); // SHORT
    qToBigEndian<quint32>(1, entry + 6);
    qToBigEndian<quint16>(quint16(orientation), entry + 10);
    tiff.append(entry, sizeof entry);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    char header[4] = {'\xff', '\xe1'};
    qToBigEndian<quint16>(quint16(payload.size() + 2), header + 2);

    // Right after the start-of-image marker.
    jpeg.insert(2, QByteArray(header, 4) + payload);
    return writeBytes(path, jpeg);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace FixtureFiles
