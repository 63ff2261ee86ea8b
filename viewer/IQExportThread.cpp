#include "IQExportThread.h"

#include <QFileInfo>

#include <utility>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "IQExportDialog.h"
#include "documents/IQFileUtils.h"
#include "writers/IQGifSavingHelper.h"
#include "documents/IQImageFile.h"
#include "writers/IQImageSavingHelper.h"
#include "workers/IQFramePipeline.h"

IQExportThread::IQExportThread(IQImageFile *imageFile, const QImage &image,
                               const IQExportOptions *options)
    : QThread(nullptr)
    , imageFile(imageFile)
    , image(image)
{
    if (options)
        this->options = *options;
    if (imageFile) {
        sourcePath = imageFile->absoluteFilePath();
        animated = imageFile->kind() == DocumentInfo::Animated;
    }
    if (this->options.apply)
        settings = std::make_unique<IQBatchSettings>(*IQBatchSettings::instance());
    // saveFinished carries the document across threads.
    qRegisterMetaType<IQImageFile *>("IQImageFile*");
}

IQExportThread::~IQExportThread() = default;

void IQExportThread::run()
{
    QString path;
    bool ok = false;
    if (settings)
        engine = std::make_unique<IQConvertEngine>(settings.get());
    if (imageFile && !isInterruptionRequested()) {
        switch (options.option) {
        case IQExportOptions::CurrentFrame:
            ok = exportCurrentFrame(&path);
            break;
        case IQExportOptions::AllFrames:
            ok = exportAllFrames(&path);
            break;
        case IQExportOptions::Animation:
            ok = exportAnimation(&path);
            break;
        default:
            break;
        }
    }
    // The engine belongs to this thread.
    engine.reset();
    emit saveFinished(imageFile, path, ok);
}

void IQExportThread::prepare(IQFramePipeline &source)
{
    source.setEngine(engine.get());
    source.setStopCheck([this] { return isInterruptionRequested(); });
    source.setProgress([this](int frames) { emit saving(frames); });
}

QString IQExportThread::targetPath(const QString &fileName) const
{
    const QString path = options.outputDir + QLatin1Char('/') + fileName;
    const QFileInfo target(path);
    if (target.exists()
        && target.canonicalFilePath() == QFileInfo(sourcePath).canonicalFilePath())
        return IQFileUtils::uniqueFilePath(fileName, options.outputDir);
    return path;
}

bool IQExportThread::saveStill(const QImage &picture, const QString &path) const
{
    if (options.format == IQOutputFormat::Gif)
        return IQGifSavingHelper::saveImage(picture, path, IQFramePipeline::kGifStillDelay);
    IQImageSavingHelper writer;
    writer.quality = options.format == IQOutputFormat::Webp ? options.webpQuality : options.quality;
    return writer.save(picture, path);
}

bool IQExportThread::exportCurrentFrame(QString *path)
{
    // The page shows a display copy of a still and, with Apply ticked, converted frames of
    // an animation; the export writes the file's own pixels.
    IQFramePipeline source(sourcePath);
    prepare(source);
    QImage picture = animated && frameNumber < 0 ? image
                                                 : source.readFrameAt(animated ? frameNumber : 0);
    *path = targetPath(options.name + QLatin1Char('.') + IQExportDialog::formatSuffix(options.format));
    if (isInterruptionRequested())
        return false;
    const bool ok = saveStill(source.process(std::move(picture)), *path);
    emit saving(1);
    return ok;
}

bool IQExportThread::exportAllFrames(QString *path)
{
    IQFramePipeline source(sourcePath);
    prepare(source);
    source.open();
    int count = source.frameCount();
    if (count < 0)
        return false;
    count = qMax(count, 1);

    const QString suffix = IQExportDialog::formatSuffix(options.format);
    const auto pathOf = [&](int i) {
        *path = targetPath(QStringLiteral("%1_%2.%3").arg(options.name, QString::number(i + 1),
                                                          suffix));
        return *path;
    };
    const auto save = [this](const QImage &picture, const QString &file) {
        return saveStill(picture, file);
    };
    return source.writeStills(source.readFrame(0), count, pathOf, save)
           == IQFramePipeline::Result::Written;
}

bool IQExportThread::exportAnimation(QString *path)
{
    const QString suffix = IQExportDialog::formatSuffix(options.format);
    if (options.format != IQOutputFormat::Gif && options.format != IQOutputFormat::Webp)
        return false;
    *path = targetPath(options.name + QLatin1Char('.') + suffix);

    IQFramePipeline source(sourcePath);
    prepare(source);
    source.open();
    const int count = qMax(source.frameCount(), 1);
    QImage first = source.readFrame(0);
    if (first.isNull())
        return false;
    const auto pathOf = [path] { return *path; };
    const IQFramePipeline::Result result =
        options.format == IQOutputFormat::Gif
            ? source.writeGif(std::move(first), count, pathOf, options.duration / 10)
            : source.writeWebp(std::move(first), count, pathOf, options.duration,
                               options.webpQuality);
    return result == IQFramePipeline::Result::Written;
}
