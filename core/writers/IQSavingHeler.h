#pragma once

#include <QImage>

// Base of the helpers that write converted images to files.
class IQSavingHeler
{
public:
    virtual ~IQSavingHeler() = default;

    // A width x height black canvas with the image centred on it at its own size; a larger
    // image is cut equally on both sides.
    virtual QImage letterbox(int width, int height, const QImage &image);

protected:
    // Gives a frame of another size the canvas width, keeping its aspect ratio, and letterboxes
    // it onto the canvas. The fitted frame replaces the caller's.
    void fitToCanvas(QImage &frame, int width, int height);
};
