#include <QtTest>

#include <QFontMetrics>
#include <QPainter>
#include <QThread>

#include <memory>

#include "BrvTest.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQImageUtils.h"

Q_DECLARE_METATYPE(QImage::Format)

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);

bool sameColor(QRgb pixel, const QColor &expected, int tolerance = 2)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance
        && qAbs(qGreen(pixel) - expected.green()) <= tolerance
        && qAbs(qBlue(pixel) - expected.blue()) <= tolerance
        && qAbs(qAlpha(pixel) - expected.alpha()) <= tolerance;
}

// Whether every pixel of rect has the colour; names the first that has not.
bool filledWith(const QImage &image, const QRect &rect, const QColor &color, QString *failure)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!sameColor(image.pixel(x, y), color)) {
                *failure = QStringLiteral("pixel (%1, %2) is %3, expected %4")
                               .arg(x)
                               .arg(y)
                               .arg(QColor::fromRgba(image.pixel(x, y)).name(QColor::HexArgb),
                                    color.name(QColor::HexArgb));
                return false;
            }
        }
    }
    return true;
}

QFont dejaVuSans(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

// A record whose modules all change nothing, so that a test turns on only what it shows.
std::unique_ptr<IQBatchSettings> neutralSettings()
{
    auto settings = std::make_unique<IQBatchSettings>();
    settings->resolution = 0;
    settings->textFont = dejaVuSans(20);
    return settings;
}

} // namespace

class tst_ConvertEngine : public QObject
{
    Q_OBJECT

private slots:
    void resizeTarget_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("enlarge");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("output");
        const QSize photo(400, 300);
        // mode, width, height, percent, enlarge, source, target, size after process
        QTest::newRow("by width 200") << 0 << 200 << 0 << 100 << false << photo << QSize(200, 150)
                                      << QSize(200, 150);
        QTest::newRow("by width 800") << 0 << 800 << 0 << 100 << false << photo << QSize(800, 600)
                                      << photo;
        QTest::newRow("by width 800, enlarge") << 0 << 800 << 0 << 100 << true << photo
                                               << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("by width, 65535 bound") << 0 << 100 << 0 << 100 << false
                                               << QSize(100, 100000) << QSize(66, 65535)
                                               << QSize(66, 65535);
        QTest::newRow("by width 0") << 0 << 0 << 150 << 100 << false << photo << photo << photo;
        QTest::newRow("by width 1 of a wide strip") << 0 << 1 << 0 << 100 << false
                                                    << QSize(1000, 10) << QSize(1, 1)
                                                    << QSize(1, 1);
        QTest::newRow("by height 150") << 1 << 0 << 150 << 100 << false << photo
                                       << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("by height 0") << 1 << 200 << 0 << 100 << false << photo << photo << photo;
        QTest::newRow("percentage 0") << 2 << 0 << 0 << 0 << false << photo << photo << photo;
        QTest::newRow("percentage 50") << 2 << 0 << 0 << 50 << false << QSize(301, 201)
                                       << QSize(150, 100) << QSize(150, 100);
        // A percentage names the scale itself: above 100 it enlarges without the box.
        QTest::newRow("percentage 200") << 2 << 0 << 0 << 200 << false << photo << QSize(800, 600)
                                        << QSize(800, 600);
        QTest::newRow("percentage 50 of 400 x 300") << 2 << 0 << 0 << 50 << false << photo
                                                    << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("percentage beyond the largest image") << 2 << 0 << 0 << 10000 << false
                                                             << photo << QSize(40000, 30000)
                                                             << QSize(40000, 30000);
        QTest::newRow("percentage 1 of a small image") << 2 << 0 << 0 << 1 << false
                                                       << QSize(50, 50) << QSize(1, 1)
                                                       << QSize(1, 1);
        QTest::newRow("free 100 x 100") << 3 << 100 << 100 << 100 << false << photo
                                        << QSize(100, 100) << QSize(100, 100);
        QTest::newRow("free, one side larger") << 3 << 500 << 100 << 100 << false << photo
                                               << QSize(500, 100) << QSize(500, 100);
        QTest::newRow("free with zero height") << 3 << 100 << 0 << 100 << false << photo << photo
                                               << photo;
        QTest::newRow("unknown mode") << 7 << 100 << 100 << 50 << true << photo << photo << photo;
    }
    void resizeTarget()
    {
        QFETCH(int, mode);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, percent);
        QFETCH(bool, enlarge);
        QFETCH(QSize, source);
        QFETCH(QSize, target);
        QFETCH(QSize, output);
        auto settings = neutralSettings();
        settings->resizeMode = mode;
        settings->resizeWidth = width;
        settings->resizeHeight = height;
        settings->resizePercent = percent;
        settings->enlarge = enlarge;
        IQConvertEngine engine(settings.get());
        QCOMPARE(engine.resizeTarget(source.width(), source.height()), target);
        QCOMPARE(engine.outputSize(source.width(), source.height()), output);
        // Past the largest image the program makes, the engine makes nothing.
        const auto made = [](const QSize &size) {
            const bool makeable = size.width() <= IQImageUtils::kMaxImageSide
                                  && size.height() <= IQImageUtils::kMaxImageSide
                                  && qint64(size.width()) * size.height()
                                         <= IQImageUtils::kMaxImagePixels;
            return makeable ? size : QSize(0, 0);
        };
        QCOMPARE(engine.process(BrvTest::solidImage(source.width(), source.height(), kBlue)).size(),
                 made(output));

        // With the module off every source keeps its size.
        settings->resizeEnabled = false;
        QCOMPARE(engine.resizeTarget(source.width(), source.height()), source);
        QCOMPARE(engine.process(BrvTest::solidImage(source.width(), source.height(), kBlue)).size(),
                 made(source));
    }

    void emptySourceKeepsItsSize()
    {
        auto settings = neutralSettings();
        settings->resizeMode = 3;
        settings->resizeWidth = 100;
        settings->resizeHeight = 100;
        IQConvertEngine engine(settings.get());
        QCOMPARE(engine.resizeTarget(0, 50), QSize(0, 50));
        QCOMPARE(engine.resizeTarget(50, 0), QSize(50, 0));
        QVERIFY(engine.process(QImage()).isNull());
    }

    void defaultsKeepThePixels()
    {
        IQBatchSettings settings;
        IQConvertEngine engine(&settings);
        const QImage source = BrvTest::gradientImage(64, 48);
        const QImage result = engine.process(source);
        QCOMPARE(result.size(), source.size());
        QCOMPARE(result.convertToFormat(source.format()), source);
        QCOMPARE(result.dotsPerMeterX(), 3779);
        QCOMPARE(result.dotsPerMeterY(), 3779);
    }

    void resolution_data()
    {
        QTest::addColumn<bool>("resizeEnabled");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("dotsPerMeter");
        QTest::newRow("96 dpi") << true << 96 << 3779;
        QTest::newRow("72 dpi") << true << 72 << 2834;
        QTest::newRow("300 dpi") << true << 300 << 11811;
        QTest::newRow("resolution 0 leaves it") << true << 0 << 5000;
        QTest::newRow("resize off leaves it") << false << 300 << 5000;
    }
    void resolution()
    {
        QFETCH(bool, resizeEnabled);
        QFETCH(int, resolution);
        QFETCH(int, dotsPerMeter);
        auto settings = neutralSettings();
        settings->resizeEnabled = resizeEnabled;
        settings->resolution = resolution;
        // A turn and a resize must not lose the source's own resolution either.
        settings->rotateMode = 2;
        settings->resizeWidth = 20;
        QImage source = BrvTest::gradientImage(40, 30);
        source.setDotsPerMeterX(5000);
        source.setDotsPerMeterY(5000);
        IQConvertEngine engine(settings.get());
        const QImage result = engine.process(source);
        QCOMPARE(result.dotsPerMeterX(), dotsPerMeter);
        QCOMPARE(result.dotsPerMeterY(), dotsPerMeter);
    }

    void turnsAndMirrors_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("flipX");
        QTest::addColumn<bool>("flipY");
        QTest::addColumn<QPoint>("corner"); // where the top-left pixel of a 40 x 30 image lands
        QTest::newRow("none") << 0 << false << false << QPoint(0, 0);
        QTest::newRow("left") << 1 << false << false << QPoint(0, 39);
        QTest::newRow("right") << 2 << false << false << QPoint(29, 0);
        QTest::newRow("half turn") << 3 << false << false << QPoint(39, 29);
        QTest::newRow("unknown mode") << 9 << false << false << QPoint(0, 0);
        QTest::newRow("mirror x") << 0 << true << false << QPoint(39, 0);
        QTest::newRow("mirror y") << 0 << false << true << QPoint(0, 29);
        QTest::newRow("mirror both") << 0 << true << true << QPoint(39, 29);
        QTest::newRow("left, mirror x") << 1 << true << false << QPoint(0, 0);
        QTest::newRow("left, mirror y") << 1 << false << true << QPoint(29, 39);
        QTest::newRow("right, mirror x") << 2 << true << false << QPoint(29, 39);
        QTest::newRow("right, mirror y") << 2 << false << true << QPoint(0, 0);
        QTest::newRow("half turn, mirror x") << 3 << true << false << QPoint(0, 29);
        QTest::newRow("half turn, mirror both") << 3 << true << true << QPoint(0, 0);
    }
    void turnsAndMirrors()
    {
        QFETCH(int, mode);
        QFETCH(bool, flipX);
        QFETCH(bool, flipY);
        QFETCH(QPoint, corner);
        auto settings = neutralSettings();
        settings->rotateMode = mode;
        settings->flipX = flipX;
        settings->flipY = flipY;
        IQConvertEngine engine(settings.get());
        QImage source = BrvTest::noiseImage(40, 30);
        source.setPixel(0, 0, qRgba(255, 0, 0, 255));
        const QImage result = engine.process(source);
        QCOMPARE(result.pixel(corner), qRgba(255, 0, 0, 255));

        // Quarter turns and mirrors move pixels without resampling: the result is exactly the
        // source moved by the record's matrix (a turn, then a mirror of the source's axes).
        QTransform matrix;
        matrix.rotate(engine.rotationAngle(), Qt::ZAxis);
        matrix.scale(flipX ? -1 : 1, flipY ? -1 : 1);
        QCOMPARE(result.convertToFormat(QImage::Format_ARGB32),
                 source.transformed(matrix, Qt::FastTransformation)
                     .convertToFormat(QImage::Format_ARGB32));

        // The module switched off turns nothing.
        settings->rotateEnabled = false;
        QCOMPARE(engine.process(source).pixel(0, 0), qRgba(255, 0, 0, 255));
    }

    // An engine turns each image into the memory of the image it turned before, which nobody
    // holds any more: every result keeps its pixels while later ones are made, whether the
    // images were scaled, moved in or are still the caller's.
    void turnsKeepEveryResult_data()
    {
        QTest::addColumn<bool>("resize");
        QTest::addColumn<bool>("moveIn");
        QTest::newRow("scaled") << true << false;
        QTest::newRow("moved in") << false << true;
        QTest::newRow("the caller's") << false << false;
    }
    void turnsKeepEveryResult()
    {
        QFETCH(bool, resize);
        QFETCH(bool, moveIn);
        auto settings = neutralSettings();
        settings->rotateMode = 2;
        settings->resizeEnabled = resize;
        settings->resizeMode = 0;
        settings->resizeWidth = 60;
        IQConvertEngine engine(settings.get());
        QList<QImage> sources;
        QList<QImage> results;
        QList<QImage> expected;
        for (quint32 seed = 1; seed <= 4; ++seed) {
            sources.append(BrvTest::noiseImage(80, 100, seed));
            // Moved in, a copy of its own that the engine may keep.
            QImage input = moveIn ? sources.last().copy() : sources.last();
            results.append(moveIn ? engine.process(std::move(input)) : engine.process(input));
            expected.append(results.last().copy());
        }
        for (int i = 0; i < results.size(); ++i) {
            QCOMPARE(results[i], expected[i]);
            QCOMPARE(sources[i], BrvTest::noiseImage(80, 100, quint32(i + 1)));
        }
        // The pixels are those of a turn without storage.
        const QImage last = resize ? sources.last().scaled(48, 60, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation)
                                   : sources.last();
        QCOMPARE(results.last().convertToFormat(QImage::Format_ARGB32),
                 last.transformed(QTransform().rotate(90)).convertToFormat(QImage::Format_ARGB32));
    }

    void turnAndResizeLandOnTheTarget_data()
    {
        QTest::addColumn<int>("rotateMode");
        QTest::addColumn<int>("resizeMode");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("left, by width 200") << 1 << 0 << QSize(200, 0) << QSize(200, 267);
        QTest::newRow("right, by height 100") << 2 << 1 << QSize(0, 100) << QSize(75, 100);
        QTest::newRow("half turn, by width 200") << 3 << 0 << QSize(200, 0) << QSize(200, 150);
        QTest::newRow("right, free 100 x 50") << 2 << 3 << QSize(100, 50) << QSize(100, 50);
        QTest::newRow("left, free 301 x 17") << 1 << 3 << QSize(301, 17) << QSize(301, 17);
    }
    void turnAndResizeLandOnTheTarget()
    {
        QFETCH(int, rotateMode);
        QFETCH(int, resizeMode);
        QFETCH(QSize, box);
        QFETCH(QSize, expected);
        auto settings = neutralSettings();
        settings->rotateMode = rotateMode;
        settings->resizeMode = resizeMode;
        settings->resizeWidth = box.width();
        settings->resizeHeight = box.height();
        IQConvertEngine engine(settings.get());
        const QColor color(200, 120, 40);
        const QImage result = engine.process(BrvTest::solidImage(400, 300, color));
        QCOMPARE(result.size(), expected);
        QCOMPARE(engine.outputSize(400, 300), expected);
        // No transparent or dark fringe anywhere, edges included.
        QString failure;
        QVERIFY2(filledWith(result, result.rect(), color, &failure), qPrintable(failure));
    }

    void border_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QRect>("inside"); // what stays white; a null rect when nothing does
        QTest::addColumn<QColor>("expected");
        const QColor red(255, 0, 0);
        const auto argb = QImage::Format_ARGB32;
        QTest::newRow("10 pixels") << 10 << red << argb << QRect(10, 10, 80, 60) << red;
        QTest::newRow("1 pixel") << 1 << red << argb << QRect(1, 1, 98, 78) << red;
        QTest::newRow("translucent") << 10 << QColor(255, 0, 0, 128) << QImage::Format_RGB32
                                     << QRect(10, 10, 80, 60) << QColor(255, 127, 127);
        QTest::newRow("just under half the height") << 39 << red << argb << QRect(39, 39, 22, 2)
                                                    << red;
        QTest::newRow("half the height") << 40 << red << argb << QRect() << red;
        QTest::newRow("half the width") << 50 << red << argb << QRect() << red;
        QTest::newRow("wider than the image") << 1000 << red << argb << QRect() << red;
        QTest::newRow("palette source") << 10 << red << QImage::Format_Indexed8
                                        << QRect(10, 10, 80, 60) << red;
        QTest::newRow("one-bit source") << 10 << red << QImage::Format_Mono
                                        << QRect(10, 10, 80, 60) << red;
        QTest::newRow("grey source") << 10 << red << QImage::Format_Grayscale8
                                     << QRect(10, 10, 80, 60) << red;
    }
    void border()
    {
        QFETCH(int, width);
        QFETCH(QColor, color);
        QFETCH(QImage::Format, format);
        QFETCH(QRect, inside);
        QFETCH(QColor, expected);
        auto settings = neutralSettings();
        settings->borderWidth = width;
        settings->borderColor = color;
        IQConvertEngine engine(settings.get());
        const QImage source = BrvTest::solidImage(100, 80, kWhite).convertToFormat(format);
        const QImage result = engine.process(source).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(result.size(), source.size());

        QString failure;
        if (inside.isNull()) {
            QVERIFY2(filledWith(result, result.rect(), expected, &failure), qPrintable(failure));
            return;
        }
        QVERIFY2(filledWith(result, inside, kWhite, &failure), qPrintable(failure));
        const QRect frame = result.rect();
        QVERIFY2(filledWith(result, QRect(0, 0, frame.width(), inside.top()), expected, &failure),
                 qPrintable(failure));
        QVERIFY2(filledWith(result, QRect(0, inside.bottom() + 1, frame.width(),
                                          frame.bottom() - inside.bottom()),
                            expected, &failure),
                 qPrintable(failure));
        QVERIFY2(filledWith(result, QRect(0, 0, inside.left(), frame.height()), expected, &failure),
                 qPrintable(failure));
        QVERIFY2(filledWith(result, QRect(inside.right() + 1, 0, frame.right() - inside.right(),
                                          frame.height()),
                            expected, &failure),
                 qPrintable(failure));
    }

    void borderOffDrawsNothing()
    {
        auto settings = neutralSettings();
        settings->borderWidth = 10;
        settings->borderEnabled = false;
        IQConvertEngine engine(settings.get());
        const QImage source = BrvTest::solidImage(100, 80, kWhite);
        QVERIFY(BrvTest::inkRect(engine.process(source), kWhite).isNull());
    }

    void textPosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QImage::Format>("format");
        const auto argb = QImage::Format_ARGB32;
        QTest::newRow("top left") << 0 << argb;
        QTest::newRow("bottom left") << 1 << argb;
        QTest::newRow("centre") << 2 << argb;
        QTest::newRow("top right") << 3 << argb;
        QTest::newRow("bottom right") << 4 << argb;
        QTest::newRow("top centre") << 5 << argb;
        QTest::newRow("bottom centre") << 6 << argb;
        QTest::newRow("custom") << 7 << argb;
        QTest::newRow("9 as top left") << 9 << argb;
        QTest::newRow("palette source") << 4 << QImage::Format_Indexed8;
        QTest::newRow("one-bit source") << 2 << QImage::Format_Mono;
    }
    void textPosition()
    {
        QFETCH(int, position);
        QFETCH(QImage::Format, format);
        auto settings = neutralSettings();
        settings->text = QStringLiteral("Brivane");
        settings->textPixelSize = 20;
        settings->textColor = Qt::black;
        settings->textPosition = position;
        settings->textX = 30;
        settings->textY = 40;
        IQConvertEngine engine(settings.get());
        const QImage source = BrvTest::solidImage(200, 100, kWhite).convertToFormat(format);
        const QImage result = engine.process(source);

        const QSize text = QFontMetrics(dejaVuSans(20), &result)
                               .boundingRect(result.rect(), Qt::TextWordWrap | Qt::TextDontClip,
                                             settings->text)
                               .size();
        const int W = 200;
        const int H = 100;
        const int w = text.width();
        const int h = text.height();
        const QPoint topLeft[] = { { 0, 0 },
                                   { 0, H - h },
                                   { (W - w) / 2, (H - h) / 2 },
                                   { W - w, 0 },
                                   { W - w, H - h },
                                   { (W - w) / 2, 0 },
                                   { (W - w) / 2, H - h },
                                   { 30, 40 } };
        const QRect expected(position <= 7 ? topLeft[position] : topLeft[0], text);

        const QRect ink = BrvTest::inkRect(result, kWhite);
        QVERIFY(!ink.isNull());
        // The glyphs lie in the measured box, less a pixel of antialiasing, and fill most of it.
        QVERIFY2(expected.adjusted(-1, -1, 1, 1).contains(ink),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside %5,%6 %7x%8")
                                .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                                .arg(expected.x()).arg(expected.y())
                                .arg(expected.width()).arg(expected.height())));
        QVERIFY(ink.width() > w * 3 / 4);
        QVERIFY(ink.height() > h / 2);
    }

    void textOfSpacesDrawsNothing()
    {
        auto settings = neutralSettings();
        settings->text = QStringLiteral("   \t ");
        IQConvertEngine engine(settings.get());
        const QImage source =
            BrvTest::solidImage(200, 100, kWhite).convertToFormat(QImage::Format_Indexed8);
        const QImage result = engine.process(source);
        QCOMPARE(result, source);
    }

    void textTurnsAboutItsCentre()
    {
        auto settings = neutralSettings();
        settings->text = QStringLiteral("Brivane");
        settings->textPosition = IQWatermarkPosition::Center;
        settings->textAngle = 90;
        IQConvertEngine engine(settings.get());
        const QImage result = engine.process(BrvTest::solidImage(200, 200, kWhite));
        const QRect ink = BrvTest::inkRect(result, kWhite);
        // Standing upright now: taller than wide, still about the image's centre.
        QVERIFY(ink.height() > ink.width());
        QVERIFY(qAbs(ink.center().x() - 100) <= 3);
        QVERIFY(qAbs(ink.center().y() - 100) <= 3);
    }

    void fitTextSize_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("target");
        QFont points(QStringLiteral("DejaVu Sans"));
        points.setPointSize(12);
        QTest::newRow("grows to the target") << dejaVuSans(10) << 300;
        QTest::newRow("target already reached") << dejaVuSans(30) << 20;
        QTest::newRow("font in points") << points << 300;
    }
    void fitTextSize()
    {
        QFETCH(QFont, font);
        QFETCH(int, target);
        auto settings = neutralSettings();
        IQConvertEngine engine(settings.get());
        QImage image(600, 100, QImage::Format_ARGB32_Premultiplied);
        const QString text = QStringLiteral("Brivane");
        const int flags = Qt::TextWordWrap | Qt::TextDontClip;
        const auto widthAt = [&](const QFont &f) {
            return QFontMetrics(f, &image).boundingRect(image.rect(), flags, text).width();
        };
        QPainter painter(&image);
        engine.fitTextSize(&painter, image.rect(), target, text, font);
        const QFont fitted = painter.font();
        painter.end();

        if (widthAt(font) >= target) {
            QCOMPARE(fitted.pixelSize(), font.pixelSize());
            QCOMPARE(fitted.pointSize(), font.pointSize());
            return;
        }
        // The first pixel size in steps of 4 from the font's own that reaches the target.
        const int start = font.pixelSize(); // -1 for a font in points
        QCOMPARE((fitted.pixelSize() - start) % 4, 0);
        QVERIFY(widthAt(fitted) >= target);
        if (fitted.pixelSize() - 4 > 0) {
            QFont smaller = fitted;
            smaller.setPixelSize(fitted.pixelSize() - 4);
            QVERIFY(widthAt(smaller) < target);
        }
    }

    void automaticTextSize()
    {
        auto settings = neutralSettings();
        settings->text = QStringLiteral("Brivane");
        settings->textFont = dejaVuSans(8);
        settings->textSizeMode = 0;
        settings->textRatio = 0.5;
        settings->textPosition = IQWatermarkPosition::Center;
        IQConvertEngine engine(settings.get());
        const QRect ink =
            BrvTest::inkRect(engine.process(BrvTest::solidImage(400, 200, kWhite)), kWhite);
        // About half the image's width, and never the fixed pixel size.
        QVERIFY2(ink.width() >= 180 && ink.width() <= 220, qPrintable(QString::number(ink.width())));
    }

    void imageStamp_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("position");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QColor>("color");
        const QColor half(127, 127, 255);
        QTest::newRow("as it is") << 100 << 255 << 0 << QRect(0, 0, 101, 51) << kBlue;
        QTest::newRow("half size, half opacity") << 50 << 128 << 4 << QRect(150, 75, 50, 25)
                                                 << half;
        QTest::newRow("centre") << 50 << 255 << 2 << QRect(75, 37, 50, 25) << kBlue;
        QTest::newRow("top centre") << 50 << 255 << 5 << QRect(75, 0, 50, 25) << kBlue;
        QTest::newRow("custom") << 50 << 255 << 7 << QRect(20, 30, 50, 25) << kBlue;
        QTest::newRow("doubled") << 200 << 255 << 1 << QRect(0, -2, 202, 102) << kBlue;
        QTest::newRow("transparent") << 100 << 0 << 0 << QRect(0, 0, 101, 51) << kWhite;
    }
    void imageStamp()
    {
        QFETCH(int, scale);
        QFETCH(int, opacity);
        QFETCH(int, position);
        QFETCH(QRect, rect);
        QFETCH(QColor, color);
        auto settings = neutralSettings();
        settings->stampImage = BrvTest::solidImage(101, 51, kBlue);
        settings->stampScale = scale;
        settings->stampOpacity = opacity;
        settings->stampPosition = position;
        settings->stampX = 20;
        settings->stampY = 30;
        IQConvertEngine engine(settings.get());
        const QImage result = engine.process(BrvTest::solidImage(200, 100, kWhite,
                                                                 QImage::Format_RGB32));
        QString failure;
        const QRect visible = rect & result.rect();
        QVERIFY2(filledWith(result, visible, color, &failure), qPrintable(failure));
        const QRect ink = BrvTest::inkRect(result, kWhite);
        QVERIFY(ink.isNull() || visible.contains(ink));
    }

    void stampIsBuiltOncePerEngine()
    {
        auto settings = neutralSettings();
        settings->stampImage = BrvTest::solidImage(101, 51, kBlue);
        settings->stampScale = 50;
        settings->stampOpacity = 128;
        const QImage white = BrvTest::solidImage(200, 100, kWhite, QImage::Format_RGB32);
        IQConvertEngine engine(settings.get());
        const QImage first = engine.process(white);

        // A later change of the record reaches only a new engine.
        settings->stampImage = BrvTest::solidImage(80, 40, Qt::red);
        settings->stampScale = 100;
        settings->stampOpacity = 255;
        QCOMPARE(engine.process(white), first);
        IQConvertEngine fresh(settings.get());
        QCOMPARE(BrvTest::inkRect(fresh.process(white), kWhite), QRect(0, 0, 80, 40));
    }

    void worksOnAWorkerThread()
    {
        auto settings = neutralSettings();
        settings->rotateMode = 2;
        settings->resizeWidth = 150;
        settings->borderWidth = 3;
        settings->text = QStringLiteral("Brivane");
        settings->stampImage = BrvTest::solidImage(30, 20, kBlue);
        settings->stampOpacity = 128;
        const QImage source = BrvTest::gradientImage(300, 200);

        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type != QtDebugMsg && type != QtInfoMsg)
                    warnings << message;
            });
        QImage onWorker;
        std::unique_ptr<QThread> worker(QThread::create([&]() {
            IQConvertEngine engine(settings.get());
            engine.process(source);
            onWorker = engine.process(source);
        }));
        worker->start();
        QVERIFY(worker->wait(30000));
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));

        IQConvertEngine engine(settings.get());
        QCOMPARE(onWorker, engine.process(source));
    }
};

QTEST_MAIN(tst_ConvertEngine)
#include "tst_convertengine.moc"
