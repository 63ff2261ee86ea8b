#include "workers/IQImageReadThread.h"

#include <QCoreApplication>
#include <QImageReader>

#include <memory>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "documents/IQDamageCheck.h"
#include "documents/IQFileUtils.h"
#include "documents/IQImageFile.h"
#include "documents/QHEICMovie.h"
#include "documents/QStdMovie.h"

namespace {

// Rows of the viewer's images are a whole number of 4-pixel groups wide.
int widthRoundedUpTo4(int width)
{
    return (width + 3) / 4 * 4;
}

} // namespace

IQImageReadThread::IQImageReadThread(IQImageFile *imageFile, bool apply)
    : QThread(nullptr)
    , m_imageFile(imageFile)
    , m_apply(apply)
{
    // The signals carry these pointers across threads.
    qRegisterMetaType<IQImageFile *>("IQImageFile*");
    qRegisterMetaType<QMovieProxy *>("QMovieProxy*");
    qRegisterMetaType<QMovieProxyHolder>("QMovieProxyHolder");
}

void IQImageReadThread::emitUnreadable()
{
    emit readStaticFinished(m_imageFile, QImage(), QImage(), /*update=*/false);
}

void IQImageReadThread::run()
{
    if (IQFileUtils::checkSource(m_imageFile->absoluteFilePath())
        != IQFileUtils::SourceCheck::Readable) {
        emitUnreadable();
        return;
    }
    if (IQDamageCheck::isDamaged(m_imageFile->absoluteFilePath())) {
        emit readDamaged(m_imageFile);
        return;
    }
    const bool heic = IQFileUtils::isHeic(m_imageFile->absoluteFilePath());
    if (isAnimated(heic) && readAnimation(heic))
        return;
    readStaticImage();
}

bool IQImageReadThread::isAnimated(bool isHeic)
{
    if (m_imageFile->kind() == DocumentInfo::Animated)
        return true;
    if (!isHeic)
        return false;
    QImageReader reader(m_imageFile->absoluteFilePath(), QByteArray());
    return reader.imageCount() >= 2;
}

bool IQImageReadThread::readAnimation(bool isHeic)
{
    // The receiver lives on the GUI thread and outlives this one.
    QThread *guiThread = QCoreApplication::instance()->thread();
    const QString path = m_imageFile->absoluteFilePath();
    if (!isHeic) {
        auto movie = std::make_unique<QStdMovie>();
        movie->open(path, m_imageFile->format().toUtf8());
        // A file cut before its first frame opens all the same; nothing of it can be shown,
        // so it goes the way of every unreadable file.
        if (movie->currentImage().isNull())
            return false;
        movie->moveToThread(guiThread);
        emit readAnimationFinished(m_imageFile, QMovieProxyHolder(std::move(movie)));
        return true;
    }

    auto movie = std::make_unique<QHEICMovie>();
    if (!movie->open(path) || movie->frameCount() <= 1)
        return false;
    m_imageFile->setKind(DocumentInfo::Animated);
    movie->jumpToFrame(0);
    movie->moveToThread(guiThread);
    emit readAnimationFinished(m_imageFile, QMovieProxyHolder(std::move(movie)));
    return true;
}

bool IQImageReadThread::readStaticImage()
{
    QImageReader reader(m_imageFile->absoluteFilePath(), QByteArray());
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        emitUnreadable();
        return false;
    }

    m_imageFile->imageSize = image.size();
    // Smooth scaling hands back premultiplied pixels: convert again, so that every image
    // arrives in the one format whatever its width.
    image = image.convertToFormat(QImage::Format_ARGB32)
                .scaled(widthRoundedUpTo4(image.width()), image.height(), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
    QImage converted;
    if (m_apply)
        converted = IQConvertEngine(IQBatchSettings::instance()).process(image);
    emit readStaticFinished(m_imageFile, image, converted, /*update=*/false);
    return true;
}
