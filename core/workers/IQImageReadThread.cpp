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
    , m_path(imageFile ? imageFile->absoluteFilePath() : QString())
    , m_kind(imageFile ? imageFile->kind() : DocumentInfo::None)
    , m_format(imageFile ? imageFile->format() : QString())
    , m_apply(apply)
    , m_settings(*IQBatchSettings::instance())
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
    if (IQFileUtils::checkSource(m_path) != IQFileUtils::SourceCheck::Readable) {
        emitUnreadable();
        return;
    }
    if (IQDamageCheck::isDamaged(m_path)) {
        emit readDamaged(m_imageFile);
        return;
    }
    const bool heic = IQFileUtils::isHeic(m_path);
    if (isAnimated(heic) && readAnimation(heic))
        return;
    readStaticImage();
}

bool IQImageReadThread::isAnimated(bool isHeic)
{
    if (m_kind == DocumentInfo::Animated)
        return true;
    if (!isHeic)
        return false;
    QImageReader reader(m_path, QByteArray());
    return reader.imageCount() >= 2;
}

bool IQImageReadThread::readAnimation(bool isHeic)
{
    // The receiver lives on the GUI thread and outlives this one.
    QThread *guiThread = QCoreApplication::instance()->thread();
    if (!isHeic) {
        auto movie = std::make_unique<QStdMovie>();
        movie->open(m_path, m_format.toUtf8());
        // A file cut before its first frame opens all the same; nothing of it can be shown,
        // so it goes the way of every unreadable file.
        if (movie->currentImage().isNull())
            return false;
        movie->moveToThread(guiThread);
        emit readAnimationFinished(m_imageFile, QMovieProxyHolder(std::move(movie)));
        return true;
    }

    auto movie = std::make_unique<QHEICMovie>();
    if (!movie->open(m_path) || movie->frameCount() <= 1)
        return false;
    movie->jumpToFrame(0);
    movie->moveToThread(guiThread);
    emit readAnimationFinished(m_imageFile, QMovieProxyHolder(std::move(movie)));
    return true;
}

bool IQImageReadThread::readStaticImage()
{
    QImageReader reader(m_path, QByteArray());
    reader.setAutoTransform(true);
    QImage image = reader.read();
    // The page that asked has gone on without this picture.
    if (isInterruptionRequested())
        return false;
    if (image.isNull()) {
        emitUnreadable();
        return false;
    }

    m_imageSize = image.size();
    // Smooth scaling hands back premultiplied pixels: convert again, so that every image
    // arrives in the one format whatever its width.
    image = image.convertToFormat(QImage::Format_ARGB32)
                .scaled(widthRoundedUpTo4(image.width()), image.height(), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
    QImage converted;
    if (m_apply)
        converted = IQConvertEngine(&m_settings).process(image);
    emit readStaticFinished(m_imageFile, image, converted, /*update=*/false);
    return true;
}
