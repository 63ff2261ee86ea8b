#include "IQIconReadThread.h"

#include <QDebug>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "IQFileUtils.h"
#include "IQImageUtils.h"

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

} // namespace

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

    QPixmap tile(kTileSize, kTileSize);
    tile.fill(Qt::transparent);
    {
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QIcon picture(QPixmap::fromImage(image));
        picture.paint(&painter, kPictureRect, Qt::AlignCenter, QIcon::Normal, QIcon::On);
    }
    tile.setDevicePixelRatio(qGuiApp->devicePixelRatio());
    emit readFinished(QIcon(tile), m_index, originalSize);
}
