#include "workers/IQIconReadThread.h"

#include <QDebug>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "documents/IQFileUtils.h"
#include "imaging/IQImageUtils.h"

namespace {

constexpr int kTileSize = 240;
// The picture area: 10 pixels clear left and right, 20 below.
const QRect kPictureRect(10, 0, 220, 220);

// The size fitted into the tile, truncated to whole pixels.
QSize fittedSize(const QSize &size)
{
    double width = 0;
    double height = 0;
    IQImageUtils::fitSizeInRect(size, QRect(0, 0, kTileSize, kTileSize), &width, &height);
    return QSize(int(width), int(height));
}

// The picture of the file at thumbnail size, and the full image's size; a null image and an
// invalid size for a file that is refused or does not decode.
QImage readPicture(const QString &path, QSize *originalSize)
{
    if (IQFileUtils::checkSource(path) != IQFileUtils::SourceCheck::Readable)
        return QImage();
    QImageReader reader(path, QByteArray());
    reader.setAutoTransform(true);
    if (IQFileUtils::isHeic(path)) {
        // The HEIF plug-in cannot decode at a smaller size.
        const QImage image = reader.read();
        *originalSize = image.size();
        return image.scaled(fittedSize(*originalSize), Qt::KeepAspectRatioByExpanding,
                            Qt::SmoothTransformation);
    }
    *originalSize = reader.size();
    reader.setScaledSize(fittedSize(*originalSize));
    return reader.read();
}

// The tile: the picture centred in the picture area, shrunk to fit it with its aspect ratio
// kept and never enlarged, on a transparent canvas. Painted in an image, as pool threads may
// not use pixmaps.
QImage composeTile(const QImage &picture)
{
    QImage tile(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    if (picture.isNull())
        return tile;
    QSize size = picture.size();
    if (size.width() > kPictureRect.width() || size.height() > kPictureRect.height())
        size.scale(kPictureRect.size(), Qt::KeepAspectRatio);
    const QPoint at(kPictureRect.x() + kPictureRect.width() / 2 - size.width() / 2,
                    kPictureRect.y() + kPictureRect.height() / 2 - size.height() / 2);
    QPainter painter(&tile);
    painter.drawImage(at, size == picture.size()
                              ? picture
                              : picture.scaled(size, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation));
    return tile;
}

} // namespace

QIcon IQIconReadThread::tileIcon(const QImage &tile)
{
    QPixmap pixmap = QPixmap::fromImage(tile);
    pixmap.setDevicePixelRatio(qGuiApp->devicePixelRatio());
    return QIcon(pixmap);
}

IQIconReadThread::IQIconReadThread(const QString &path, int index)
    : QThread(nullptr)
    , m_path(path)
    , m_index(index)
{
}

void IQIconReadThread::abort()
{
    m_abort = true;
}

void IQIconReadThread::run()
{
    if (m_abort)
        return;

    QSize originalSize;
    const QImage image = readPicture(m_path, &originalSize);

    if (m_abort) {
        qDebug() << "abort:" << m_path;
        return;
    }

    emit readFinished(composeTile(image), m_index, originalSize);
}
