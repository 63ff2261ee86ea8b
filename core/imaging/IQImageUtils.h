#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QtGlobal>

#include <functional>

// Size fitting shared by the engine's resize and the thumbnails, the engine's turns, and the
// largest image the program decodes or makes.
namespace IQImageUtils {

// Beyond these an image is refused before any pixel memory is reserved for it, whatever its
// file header or the resize settings ask for.
constexpr int kMaxImageSide = 32768;
constexpr qint64 kMaxImagePixels = 256'000'000;

// True when neither side passes kMaxImageSide and the area passes not kMaxImagePixels. A size
// that a reader could not tell (invalid) is not refused here.
bool isWithinLimits(const QSize &size);

// Fits size into the box without enlarging. The outputs get the fitted width and height;
// the result is 1.0 when the size already fits, else the ratio less 0.001.
double fitSizeInRect(const QSize &size, const QRect &box, double *width = nullptr,
                     double *height = nullptr);

// Scales width and height in place so that both fit the target, enlarging when the target
// is larger. Returns the ratio, or 0.0 (nothing changed) when a side is 0.
double scaleToFit(int *width, int *height, int targetWidth, int targetHeight);

// Scales width and height in place so that both cover the target; without enlarge a size
// that would grow is left alone (result 1.0). Returns the ratio, or 0.0 when a side is 0.
double scaleToFill(int *width, int *height, int targetWidth, int targetHeight, bool enlarge);

// The image turned clockwise by angle (90 or 270) degrees: the same pixels and metadata as
// QImage::transformed with that rotation. Images of four bytes a pixel are turned in bands, on
// the calling thread and on as many threads of Qt's global pool as the thread budget leases;
// any other is left to QImage::transformed.
// storage, when given, is an image whose pixels nobody needs any more: when it holds as many
// four-byte pixels as the image, is of its format and shared with no other image, the turned
// image is written into its memory, which is then freshly paged in no more, and storage is left
// null. Otherwise storage is left as it is.
QImage quarterTurned(const QImage &image, int angle, QImage *storage = nullptr);

// Gives turned the metadata that a turn of image keeps: its resolution, device pixel ratio and
// texts.
void copyTurnedMetadata(const QImage &image, QImage *turned);

// Turns a block of width x rows four-byte pixels clockwise by angle (90 or 270) degrees into
// target, which points at the first pixel of the turned block (rows x width) in an image whose
// rows are targetStride bytes apart.
void turnBlock(const uchar *source, int sourceStride, int width, int rows, uchar *target,
               int targetStride, int angle);

// Writes a byte of every page of image's pixels, a range of pages on each of the calling
// thread and at most helpers threads of Qt's global pool. Work whose threads each write a little
// of every row calls it first on an image fresh from the system: threads that first write one
// page at once wait on each other in the system, a range of one's own each does not.
void claimPages(QImage *image, int helpers);

// Runs work(0) .. work(bands - 1) on the calling thread and on at most helpers threads of Qt's
// global pool, each band once, and returns when all are done. A helper the pool has not
// started by the time the bands are all taken is taken back, so a busy pool never makes the
// caller wait for a thread.
void runBands(int bands, int helpers, std::function<void(int)> work);

} // namespace IQImageUtils
