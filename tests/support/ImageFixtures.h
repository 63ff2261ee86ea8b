#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// Makers of image files for tests, each written to the path given and true on success.
// Animations and WebP files come from Debian's tools (ImageMagick, img2webp, cwebp), so a
// fixture is not read back by the code that wrote it.
namespace ImageFixtures {

// An animated GIF of width x height frames, one solid colour and one delay each (delays in
// tens of milliseconds, GIF's unit). loop false writes no loop extension: play once.
bool gifWithFrames(const QString &path, const QList<QColor> &colors, const QList<int> &delaysMs,
                   int width, int height, bool loop = true);

// An animated GIF as gifWithFrames makes it, whose frame at index undecodable has its LZW
// data overwritten: Qt's reader still counts every frame, decodes the ones before it and
// refuses that one (checked; false otherwise).
bool gifWithUndecodableFrame(const QString &path, const QList<QColor> &colors,
                             const QList<int> &delaysMs, int width, int height,
                             int undecodable);

// An animated WebP of solid frames with one delay per frame.
bool animatedWebp(const QString &path, const QList<QColor> &colors, const QList<int> &delaysMs,
                  int width, int height);

enum class WebpKind { Lossy, Lossless, Alpha };
// A still WebP: lossy and lossless have a plain "VP8 " / "VP8L" first chunk, alpha a "VP8X".
bool stillWebp(const QString &path, WebpKind kind, int width, int height);

// A multi-page TIFF, one solid page per colour.
bool multiPageTiff(const QString &path, const QList<QColor> &colors, int width, int height);

// A PNG of the image with an "acTL" chunk spliced in after its header chunk.
bool pngWithAcTLChunk(const QString &path, const QImage &image);

// A small PNG whose header chunk claims width x height pixels (with a valid CRC), as a hostile
// file does; its data holds far fewer.
bool pngWithClaimedSize(const QString &path, int width, int height);

// A small animated WebP of two frames whose canvas claims width x height pixels.
bool animatedWebpWithClaimedCanvas(const QString &path, int width, int height);

// A full-colour (24-bit) BMP of the image; cutTo > 0 keeps only that many bytes, cutting the
// file inside its pixel rows as a broken download does.
bool bmp24(const QString &path, const QImage &image, int cutTo = 0);

// A FIFO (named pipe): opening it for reading blocks until someone writes.
bool fifo(const QString &path);

// A JPEG of the image carrying an EXIF orientation tag (1 to 8).
bool jpegWithOrientation(const QString &path, const QImage &image, int orientation);

// A photograph's kind of content: smooth shading under a fine grain, the same on every run.
QImage photoLikeImage(int width, int height);

// A mostly clear picture: a soft-edged disc and a translucent band on a transparent ground.
QImage translucentImage(int width, int height);

// How a JPEG of photoLikeImage is cut or padded, as broken downloads and careless tools
// leave them.
enum class JpegDamage {
    None,           // the whole file
    CutAt40,        // the first 40 % of its bytes: the cut falls in its picture data
    CutAt90,        // the first 90 %
    NoEndMarker,    // everything but its closing end-of-image marker
    TrailingBytes,  // the whole file and some bytes of something else after it
};
// A baseline (or, with progressive, a multi-scan) JPEG of width x height, damaged as asked.
bool photoJpeg(const QString &path, int width, int height, JpegDamage damage,
               bool progressive = false);

// The bytes, as they stand.
bool writeBytes(const QString &path, const QByteArray &bytes);

// The first count bytes of the file at source.
bool truncatedCopy(const QString &source, const QString &path, int count);

} // namespace ImageFixtures
