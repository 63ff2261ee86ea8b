#pragma once

#include <QString>

// Tells a source whose picture data stop short of the picture. Qt's JPEG reader decodes a JPEG
// cut inside its scan data without an error, into a picture whose lower part is grey; the
// check finds such a file before it is converted or shown.
//
// Harmless endings are not damage: a JPEG whose data end just before its end-of-image marker
// holds its whole picture, and bytes after that marker are never read.
class IQDamageCheck
{
public:
    // True when the file is a JPEG whose picture data end before its last row. A file of any
    // other format, or one that cannot be opened, is left to the reader and gives false.
    static bool isDamaged(const QString &path);

    // The same for a JPEG's bytes.
    static bool isDamagedJpeg(const uchar *data, qint64 size);
};
