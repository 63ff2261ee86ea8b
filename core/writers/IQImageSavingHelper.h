#pragma once

#include <QString>

#include "writers/IQSavingHeler.h"

// Writes one still image through Qt's image writer, in the format that the path's suffix names.
class IQImageSavingHelper : public IQSavingHeler
{
public:
    ~IQImageSavingHelper() override = default;

    // The image goes to a temporary file beside path that replaces path only when the whole
    // image was written, so a failure leaves any earlier file untouched.
    bool save(const QImage &image, const QString &path);

    QString author;   // stored as the "Author" text where the format keeps texts
    int quality = 90; // used where the format has a lossy quality; PNG ignores it
};
