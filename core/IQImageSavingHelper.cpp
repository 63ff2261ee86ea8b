#include "IQImageSavingHelper.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool IQImageSavingHelper::save(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The writer cannot see the suffix through a save file, so it is given as the format.
    QImageWriter writer(&file, QFileInfo(path).suffix().toLower().toLatin1());
    if (writer.supportsOption(QImageIOHandler::Quality))
        writer.setQuality(quality);
    if (writer.supportsOption(QImageIOHandler::Description))
        writer.setText(QStringLiteral("Author"), author);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
