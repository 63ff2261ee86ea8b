#include "IQImageDisplayController.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QScrollBar>
#include <QTransform>

#include <cmath>
#include <cstring>

#include "IQImageScene.h"

namespace {
bool isUsableScale(double scale)
{
    return std::isfinite(scale) && scale >= IQImageDisplayController::kMinScale &&
           scale <= IQImageDisplayController::kMaxScale;
}

// Writes one pixel's red, green and blue into a held pixel of the given format, keeping its
// alpha: 32-bit pixels are QRgb words, RGB888 pixels are three bytes in that order.
void writeColour(uchar *pixel, QImage::Format format, int r, int g, int b)
{
    if (format == QImage::Format_RGB888) {
        pixel[0] = uchar(r);
        pixel[1] = uchar(g);
        pixel[2] = uchar(b);
        return;
    }
    auto *word = reinterpret_cast<QRgb *>(pixel);
    *word = qRgba(r, g, b, qAlpha(*word));
}
} // namespace

IQImageDisplayController::IQImageDisplayController(QGraphicsView *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    m_scene = std::make_unique<IQImageScene>(nullptr, view, this);
    m_scene->clear();
    m_item = m_scene->addPixmap(m_displayed);
    connect(m_scene.get(), &IQImageScene::scrollValueChanged, this,
            [this](IQImageScene *, int x, int y) { emit controllerScrollValueChanged(this, x, y); });
}

IQImageDisplayController::~IQImageDisplayController() = default;

void IQImageDisplayController::setImage(const QImage &image)
{
    m_image = image;
    m_source = QPixmap::fromImage(image);
    m_displayed = m_source;
    m_rotation = 0;
    m_scale = 1.0;
    showPixmap(m_displayed);
}

void IQImageDisplayController::showPixmap(const QPixmap &pixmap)
{
    m_scene->clear();
    m_item = m_scene->addPixmap(pixmap);
    m_scene->setSceneRect(QRectF(pixmap.rect()));
}

void IQImageDisplayController::showScaledImage(double scale)
{
    if (m_image.isNull() || !isUsableScale(scale))
        return;
    m_scale = scale;
    renderAtScale(scale);
}

void IQImageDisplayController::zoomBy(double factor)
{
    if (m_image.isNull() || !std::isfinite(factor) || factor <= 0.0)
        return;
    const double scale = m_scale * factor;
    if (!isUsableScale(scale))
        return;
    m_scale = scale;
    renderAtScale(factor);
}

void IQImageDisplayController::renderAtScale(double factor)
{
    const int width = std::max(1, int(std::lround(m_source.width() * m_scale)));
    const int height = std::max(1, int(std::lround(m_source.height() * m_scale)));
    m_displayed = m_source.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    delete m_item;
    m_item = m_scene->addPixmap(m_displayed);
    m_item->setZValue(-1.0);
    m_scene->setSceneRect(QRectF(m_displayed.rect()));

    // Keep the point at the view's centre where it is.
    if (!m_view)
        return;
    for (QScrollBar *bar : {m_view->horizontalScrollBar(), m_view->verticalScrollBar()})
        bar->setValue(int((factor - 1.0) * bar->pageStep() * 0.5 + bar->value() * factor));
}

void IQImageDisplayController::fitToView()
{
    if (m_image.isNull() || !m_view)
        return;
    const QSize viewport = m_view->viewport()->size();
    if (viewport.isEmpty() || m_source.isNull())
        return;
    m_scale = 1.0;
    renderAtScale(1.0);
    double s = double(viewport.width()) / m_displayed.width();
    if (m_displayed.height() * s > viewport.height())
        s = double(viewport.height()) / m_displayed.height();
    zoomBy(s);
}

void IQImageDisplayController::zoomToRect(const QRect &rect)
{
    const QRect area = rect.normalized();
    if (m_image.isNull() || !m_view || area.isEmpty())
        return;
    const QSize viewport = m_view->viewport()->size();
    if (viewport.isEmpty())
        return;
    double s = double(viewport.width()) / area.width();
    if (area.height() * s > viewport.height())
        s = double(viewport.height()) / area.height();
    s = std::min(s, m_maxFitScale);
    const double before = m_scale;
    zoomBy(s);
    if (m_scale == before && s != 1.0)
        return;
    m_view->horizontalScrollBar()->setValue(int(area.left() * s));
    m_view->verticalScrollBar()->setValue(int(area.top() * s));
}

void IQImageDisplayController::rotate(int angle, Qt::TransformationMode mode)
{
    if (m_source.isNull())
        return;
    m_rotation += angle;
    if (m_rotation > 360)
        m_rotation -= 360;
    const int width = std::max(1, int(std::lround(m_source.width() * m_scale)));
    const int height = std::max(1, int(std::lround(m_source.height() * m_scale)));
    const QPixmap scaled =
        m_source.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPointF centre = QRectF(scaled.rect()).center();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(m_rotation);
    turn.translate(-centre.x(), -centre.y());
    m_displayed = scaled.transformed(turn, mode);
    showPixmap(m_displayed);
}

void IQImageDisplayController::cropToRect(const QRect &rect)
{
    if (m_displayed.isNull())
        return;
    const double ratio = m_displayed.devicePixelRatio();
    const QRect pixels(QPoint(int(rect.normalized().left() * ratio),
                              int(rect.normalized().top() * ratio)),
                       rect.normalized().size() * ratio);
    const QRect area = pixels & QRect(QPoint(0, 0), m_displayed.size());
    if (area.isEmpty())
        return;
    setImage(m_displayed.copy(area).toImage());
}

void IQImageDisplayController::setScrollValues(int x, int y)
{
    if (!m_view)
        return;
    m_view->verticalScrollBar()->setValue(y);
    m_view->horizontalScrollBar()->setValue(x);
}

bool IQImageDisplayController::replaceColors(const QImage &image)
{
    const QImage::Format held = m_image.format();
    const bool heldUsable = m_image.depth() == 32 || held == QImage::Format_RGB888;
    if (m_image.isNull() || !heldUsable || image.size() != m_image.size() || image.depth() != 32)
        return false;
    const QImage source = image.format() == QImage::Format_ARGB32 ||
                                  image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    const int step = held == QImage::Format_RGB888 ? 3 : 4;
    for (int y = 0; y < m_image.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *dst = m_image.scanLine(y);
        for (int x = 0; x < m_image.width(); ++x, dst += step)
            writeColour(dst, held, qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
    }
    colorsChanged();
    return true;
}

bool IQImageDisplayController::loadPixelBuffer(const uchar *data, int width, int height,
                                               int bytesPerLine, QImage::Format format)
{
    const QImage::Format held = m_image.format();
    if (!data || m_image.isNull() ||
        (held != QImage::Format_ARGB32 && held != QImage::Format_RGB888))
        return false;
    if (width != m_image.width() || height != m_image.height())
        return false;
    int sourceStep = 0;
    qsizetype sourceStride = 0;
    if (format == QImage::Format_ARGB32) {
        sourceStep = 4;
        sourceStride = qsizetype(width) * 4;
    } else if (format == QImage::Format_RGB888) {
        sourceStep = 3;
        sourceStride = bytesPerLine;
    } else {
        return false;
    }
    if (bytesPerLine < qsizetype(width) * sourceStep)
        return false;

    const int step = held == QImage::Format_RGB888 ? 3 : 4;
    for (int y = 0; y < height; ++y) {
        const uchar *src = data + y * sourceStride;
        uchar *dst = m_image.scanLine(y);
        for (int x = 0; x < width; ++x, src += sourceStep, dst += step) {
            if (format == QImage::Format_ARGB32) {
                QRgb p;
                std::memcpy(&p, src, sizeof p);
                writeColour(dst, held, qRed(p), qGreen(p), qBlue(p));
            } else {
                writeColour(dst, held, src[0], src[1], src[2]);
            }
        }
    }
    colorsChanged();
    return true;
}

void IQImageDisplayController::colorsChanged()
{
    m_source = QPixmap::fromImage(m_image);
    m_displayed = m_source;
    if (m_item)
        m_item->setPixmap(m_displayed);
    zoomBy(1.0);
    m_scene->update();
}
