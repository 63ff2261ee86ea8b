#include "writers/IQImageSavingHelper.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

namespace {
// Damaged files can leave an indexed image with indices past its colour table, which a writer
// puts into the file as they are and every reader then shows differently. The missing entries
// become opaque black, as Qt's own conversions show them.
QImage withCompleteColorTable(const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8)
        return image;
    int highest = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            highest = std::max<int>(highest, line[x]);
    }
    if (highest < image.colorCount())
        return image;
    QVector<QRgb> table = image.colorTable();
    table.resize(highest + 1);
    for (int i = image.colorCount(); i <= highest; ++i)
        table[i] = qRgb(0, 0, 0);
    QImage complete = image;
    complete.setColorTable(table);
    return complete;
}
} // namespace

bool IQImageSavingHelper::save(const QImage &source, const QString &path)
{
    const QImage image = withCompleteColorTable(source);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The writer cannot see the suffix through a save file, so it is given as the format.
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QImageWriter writer(&file, format);
    // PNG is lossless: its writer reads a quality as the zlib level backwards (90 stores the
    // pixels uncompressed), so it keeps its own default compression.
    if (format != "png" && writer.supportsOption(QImageIOHandler::Quality))
        writer.setQuality(quality);
    if (writer.supportsOption(QImageIOHandler::Description))
        writer.setText(QStringLiteral("Author"), author);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
