#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <QSize>

#include <memory>

class QPainter;
class QRect;
class IQBatchSettings;

// Applies the enabled batch modules of a settings record to one image: rotate and mirror,
// resize, border, text watermark, image watermark, resolution, in that order.
// An engine is used by one thread at a time; make one engine per thread.
class IQConvertEngine : public QObject
{
    Q_OBJECT

public:
    // The record is not owned; it is read at every call and never written.
    explicit IQConvertEngine(IQBatchSettings *settings);
    ~IQConvertEngine() override;

    // The converted copy of image; a null image gives a null result. A caller that moves in
    // an image it no longer needs spares a full copy when the pixels or resolution change.
    QImage process(QImage image);

    // The size the resize module asks for, for a source of width x height.
    QSize resizeTarget(int width, int height);

    // The painting steps of process, each given the open painter and the image it paints.
    void drawBorder(QPainter *painter, const QImage &image);
    void drawText(QPainter *painter, const QImage &image);
    // Grows the font by 4 pixels at a time, at most 100 times, until the text measured
    // inside rect is at least targetWidth wide; the painter keeps the last font.
    void fitTextSize(QPainter *painter, const QRect &rect, int targetWidth, const QString &text,
                     QFont font);
    void drawImageStamp(QPainter *painter, const QImage &image);

    // The angle in degrees of the record's rotation mode: 270, 90, 180 or 0.
    int rotationAngle() const;
    // The size process gives a width x height source.
    QSize outputSize(int width, int height);

private:
    IQBatchSettings *settings;
    // The watermark scaled and faded once, at the first watermark drawn, then reused for every
    // image of this engine. An image rather than a pixmap: engines run on worker threads.
    std::unique_ptr<QImage> stampPixmap;
    // The last image that was turned, which nobody needs any more: the next turn of an image
    // of its size writes into its memory rather than into pages the system must first hand out.
    QImage turnStorage;
};
