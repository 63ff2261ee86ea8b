#include "writers/IQGifSavingHelper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

#include "writers/IQGifWriter.h"

namespace {

// A short name of its own, so that any target name the file system takes can be written.
const QString kTemporaryName = QStringLiteral(".gif-XXXXXX");

} // namespace

IQGifSavingHelper::IQGifSavingHelper() = default;

IQGifSavingHelper::~IQGifSavingHelper()
{
    discard();
}

void IQGifSavingHelper::discard()
{
    writer.reset(); // closes the unfinished file before it is removed
    file.reset();
    target.clear();
}

bool IQGifSavingHelper::begin(int width, int height, const QString &path, int delay)
{
    discard();
    if (width < kMinimumSide || height < kMinimumSide)
        return false;

    // Reserves a unique name in the target's folder, where the rename can replace the target
    // in one step; the encoder then opens it by that name.
    file = std::make_unique<QTemporaryFile>(QFileInfo(path).dir().filePath(kTemporaryName));
    if (!file->open()) {
        file.reset();
        return false;
    }
    file->close();

    writer = std::make_unique<IQGifWriter>();
    this->width = width;
    this->height = height;
    target = path;
    if (!writer->begin(QFile::encodeName(file->fileName()).constData(), width, height, delay)) {
        discard();
        return false;
    }
    return true;
}

bool IQGifSavingHelper::addFrame(QImage &frame, int delay)
{
    if (!writer || frame.isNull())
        return false;
    fitToCanvas(frame, width, height);
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull() || rgba.bytesPerLine() != rgba.width() * 4)
        return false;
    return writer->writeFrame(rgba.constBits(), rgba.width(), rgba.height(), delay, 8, false);
}

bool IQGifSavingHelper::end()
{
    if (!writer)
        return false;
    bool ok = writer->end();
    writer.reset();
    if (ok) {
        // A replaced file keeps its permissions; a new one gets the usual ones, not the
        // owner-only mode of a temporary file.
        const QFileInfo existing(target);
        file->setPermissions(existing.exists()
                                 ? existing.permissions()
                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ReadUser | QFileDevice::WriteUser
                                       | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        // rename() replaces the target in one step, so readers never see half a file.
        ok = std::rename(QFile::encodeName(file->fileName()).constData(),
                         QFile::encodeName(target).constData())
             == 0;
        if (ok)
            file->setAutoRemove(false);
    }
    discard();
    return ok;
}

bool IQGifSavingHelper::saveImage(const QImage &image, const QString &path, int delay)
{
    if (image.isNull() || image.width() < kMinimumSide || image.height() < kMinimumSide)
        return false;
    IQGifSavingHelper helper;
    if (!helper.begin(image.width(), image.height(), path, delay))
        return false;
    QImage frame = image.convertToFormat(QImage::Format_RGBA8888);
    // Without its frame the file would be an empty GIF: report the failure and keep nothing.
    if (!helper.addFrame(frame, delay))
        return false;
    return helper.end();
}
