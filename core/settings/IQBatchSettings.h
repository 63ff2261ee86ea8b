#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The output format index shared by the batch and the export settings (a plain int).
struct IQOutputFormat
{
    enum : int { Jpeg = 0, Png = 1, Bmp = 2, Gif = 3, Webp = 4 };
};

// Where a watermark sits on the image (a plain int). Any other value places it as TopLeft.
struct IQWatermarkPosition
{
    enum : int {
        TopLeft = 0,
        BottomLeft = 1,
        Center = 2,
        TopRight = 3,
        BottomRight = 4,
        TopCenter = 5,
        BottomCenter = 6,
        Custom = 7, // the module's x and y give the top-left corner
    };
};

// Every option of a batch conversion: the output options and the six modules' fields.
// The batch dialog and the module frames write it one field per control change; the engine
// and the workers read it while the interface waits in a modal dialog, so it has no lock.
class IQBatchSettings
{
public:
    static IQBatchSettings *instance();

    IQBatchSettings();

    // Reads the output folder and the two qualities from the preference store.
    void load();

    // The file suffix of `format`; any unknown format gives "jpg".
    QString outputSuffix() const;
    static QString suffixOf(int format);

    int format = IQOutputFormat::Jpeg;
    bool overwrite = false;
    int duration = 100;
    // Loaded as stored: a stored text that is not a number reads as 0. Whoever shows or uses
    // the qualities must bring them into their control's range first.
    int quality = 90;
    int webpQuality = 90;
    QString author;
    QString outputDir;

    bool resizeEnabled = true;
    int resizeMode = 0; // 0 by width, 1 by height, 2 by percentage, 3 free
    int resizeWidth = 0;
    int resizeHeight = 0;
    int resizePercent = 100;
    int resolution = 96; // dots per inch; 0 or less leaves the resolution alone
    bool enlarge = false;

    bool renameEnabled = true;
    QString prefix;
    QString suffix;
    QString newName;
    int startNumber = 1;

    bool rotateEnabled = true;
    int rotateMode = 0; // 0 none, 1 left (270), 2 right (90), 3 180 degrees
    bool flipX = false;
    bool flipY = false;

    bool borderEnabled = true;
    int borderWidth = 0;
    QColor borderColor = Qt::black;

    bool textEnabled = true;
    QString text;
    QFont textFont;
    QColor textColor = Qt::black;
    int textPixelSize = 28;
    int textStyle = 0; // 0 as the font is, 1 bold, 2 italic
    int textSizeMode = 1; // 1 fixed pixel size, otherwise a share of the image width
    double textRatio = 0.1;
    int textAngle = 0;
    int textPosition = IQWatermarkPosition::BottomRight;
    int textX = 0;
    int textY = 0;

    bool stampEnabled = true;
    QImage stampImage;
    int stampOpacity = 255;
    int stampScale = 100;
    int stampAngle = 0;
    int stampPosition = IQWatermarkPosition::TopLeft;
    int stampX = 0;
    int stampY = 0;
};
