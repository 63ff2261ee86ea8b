#include "ImageViewerV2.h"

#include <QCursor>
#include <QDebug>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimeLine>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ViewPixmapItem.h"
#include "ViewPrescaler.h"
#include "documents/QMovieProxy.h"

namespace {

const QColor kBackground(0x22, 0x22, 0x22);
constexpr qreal kSceneSize = 200000.0;
constexpr int kScaleTimerMs = 80;
constexpr float kScalingThreshold = 1.0f;
constexpr qint64 kLargeViewport = 2073600;

QPoint roundedPoint(const QPointF &point)
{
    return QPoint(int(std::lround(point.x())), int(std::lround(point.y())));
}

} // namespace

ImageViewerV2::ImageViewerV2(QWidget *parent)
    : QGraphicsView(parent)
{
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(false);
    m_dpr = devicePixelRatioF();

    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical})
        connect(m_scroller.timeLine(orientation), &QTimeLine::finished, this,
                &ImageViewerV2::onScrollTimelineFinished);

    m_animationTimer = new QTimer(this);
    m_animationTimer->setSingleShot(true);
    // Each frame is armed against its due time, which only a precise timer keeps.
    m_animationTimer->setTimerType(Qt::PreciseTimer);
    m_scaleTimer = new QTimer(this);
    m_scaleTimer->setSingleShot(true);
    m_scaleTimer->setInterval(kScaleTimerMs);
    m_zoomThreshold = int(m_dpr * 4.0);

    m_item = std::make_unique<ViewPixmapItem>();
    m_item->setTransformationMode(Qt::SmoothTransformation);
    m_item->setScale(1.0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_scene = std::make_unique<QGraphicsScene>();
    m_scene->setSceneRect(0, 0, kSceneSize, kSceneSize);
    setBackground();
    m_scene->addItem(m_item.get());
    setFrameShape(QFrame::NoFrame);
    setScene(m_scene.get());

    connect(m_scroller.timeLine(Qt::Horizontal), &QTimeLine::frameChanged, this,
            &ImageViewerV2::scrollToX);
    connect(m_scroller.timeLine(Qt::Vertical), &QTimeLine::frameChanged, this,
            &ImageViewerV2::scrollToY);
    connect(m_animationTimer, &QTimer::timeout, this, &ImageViewerV2::onAnimationTimer,
            Qt::UniqueConnection);
    connect(m_scaleTimer, &QTimer::timeout, this, &ImageViewerV2::requestScaling,
            Qt::DirectConnection);
    const auto emitPosition = [this] {
        emit positionChanged(horizontalScrollBar()->value(), verticalScrollBar()->value());
    };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, emitPosition);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, emitPosition);

    // A copy made for an image that has gone since is not used.
    m_prescaler = std::make_unique<ViewPrescaler>();
    connect(m_prescaler.get(), &ViewPrescaler::prescaled, this, [this](const QPixmap &pixmap) {
        if (m_pixmap && !m_animation.isOpen())
            m_item->setPrescaled(pixmap);
    });

    readSettings();
}

ImageViewerV2::~ImageViewerV2()
{
    // No copy may be delivered to a view that is gone.
    m_prescaler.reset();
    // Going away is not a change anyone needs to hear about.
    blockSignals(true);
    m_animationTimer->stop();
    m_scaleTimer->stop();
    stopScrollTimelines();
    m_scene->removeItem(m_item.get());
    m_item.reset();
    m_animation.close();
    m_pixmap.reset();
    setScene(nullptr);
    m_scene.reset();
}

ImageFitMode ImageViewerV2::fitMode() const
{
    return m_fitMode;
}

QRect ImageViewerV2::imageRect() const
{
    const QRectF sceneRect = m_item->mapToScene(m_item->boundingRect()).boundingRect();
    return QRect(mapFromScene(sceneRect.topLeft()), mapFromScene(sceneRect.bottomRight()));
}

float ImageViewerV2::currentScale() const
{
    return float(m_item->scale());
}

QSize ImageViewerV2::sourceSize() const
{
    return m_pixmap ? m_pixmap->size() : QSize(0, 0);
}

void ImageViewerV2::showImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    reset();
    displayPixmap(std::move(pixmap));
}

void ImageViewerV2::setScaledPixmap(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    // With nothing placed yet there is no position to keep: place it as a new image.
    if (!m_pixmap) {
        displayPixmap(std::move(pixmap));
        return;
    }
    setPixmapOnItem(std::move(pixmap));
    m_item->update();
}

bool ImageViewerV2::hasImage() const
{
    return m_pixmap != nullptr;
}

bool ImageViewerV2::viewportFitsImage() const
{
    if (!m_pixmap)
        return true;
    const QRect area = viewport()->rect();
    return area.width() * m_dpr >= m_pixmap->width() && area.height() * m_dpr >= m_pixmap->height();
}

ScalingFilter ImageViewerV2::scalingFilter() const
{
    return m_scalingFilter;
}

bool ImageViewerV2::hasAnimation() const
{
    return m_animation.isOpen();
}

bool ImageViewerV2::isPlaying() const
{
    return m_animationTimer->isActive();
}

int ImageViewerV2::currentFrameNumber() const
{
    return m_animation.isOpen() ? m_animation.current() : 0;
}

float ImageViewerV2::minScale() const
{
    return m_minScale;
}

float ImageViewerV2::maxScale() const
{
    return m_maxScale;
}

bool ImageViewerV2::loopPlayback() const
{
    return m_loopPlayback;
}

void ImageViewerV2::setFrameHook(FrameHook hook, void *context)
{
    m_frameHook = hook;
    m_frameHookContext = context;
}

void ImageViewerV2::setFrameCacheLimit(qint64 bytes)
{
    m_animation.cache().setLimit(bytes);
}

qint64 ImageViewerV2::frameCacheLimit() const
{
    return m_animation.cache().limit();
}

qint64 ImageViewerV2::frameCacheSize() const
{
    return m_animation.cache().size();
}

// ---- Scale and fit ------------------------------------------------------------------------

void ImageViewerV2::setScale(float scale)
{
    if (!m_pixmap)
        return;
    scale = std::max(std::min(scale, m_maxScale), m_minScale);
    m_item->setScale(scale);
    m_item->setTransformationMode(chooseTransformationMode());
    m_item->show();
    emit scaleChanged(scale);
}

Qt::TransformationMode ImageViewerV2::chooseTransformationMode() const
{
    if (m_forceFastScaling)
        return Qt::FastTransformation;
    const float scale = currentScale();
    if (!m_animation.isOpen()) {
        if (scale > 1.0f && !m_smoothUpscaling)
            return Qt::FastTransformation;
        return m_scalingFilter == FILTER_BILINEAR ? Qt::SmoothTransformation
                                                  : Qt::FastTransformation;
    }
    if (!m_smoothAnimatedImages)
        return Qt::FastTransformation;
    if (scale <= 1.0f)
        return Qt::SmoothTransformation;
    return m_smoothUpscaling ? Qt::SmoothTransformation : Qt::FastTransformation;
}

float ImageViewerV2::fitWindowScale() const
{
    if (!m_pixmap || m_pixmap->isNull())
        return m_fitWindowScale;
    const qreal dpr = devicePixelRatioF();
    const double sx = dpr * viewport()->width() / double(m_pixmap->width());
    const double sy = dpr * viewport()->height() / double(m_pixmap->height());
    float scale = float(std::min(sx, sy));
    if (m_expandImage)
        scale = std::min(scale, m_expandLimit);
    return scale;
}

void ImageViewerV2::updateScaleRange()
{
    m_fitWindowScale = fitWindowScale();
    m_minScale = viewportFitsImage() ? 1.0f : m_fitWindowScale;
    if (m_lockMode != 0 && m_minScale > m_lockScale)
        m_minScale = m_lockScale;
    emit scaleRangeChanged(m_minScale, m_maxScale);
}

QPoint ImageViewerV2::viewportCentre() const
{
    const QRect area = viewport()->rect();
    return QPoint((area.right() - area.left()) / 2, (area.bottom() - area.top()) / 2);
}

QPointF ImageViewerV2::visibleCentre() const
{
    return mapToScene(viewport()->rect()).boundingRect().center();
}

void ImageViewerV2::setZoomAnchor(const QPoint &viewportPos)
{
    m_zoomAnchorViewport = viewportPos;
    m_zoomAnchorItem = m_item->mapFromScene(mapToScene(viewportPos));
}

void ImageViewerV2::zoomAtAnchor(float scale)
{
    if (scale == currentScale())
        return;
    const QPointF centre = visibleCentre();
    setScale(scale);
    const QPointF anchorNow = viewportTransform().map(m_item->mapToScene(m_zoomAnchorItem));
    centerOn(centre + (anchorNow - QPointF(m_zoomAnchorViewport)));
    requestScaling();
}

void ImageViewerV2::zoomWithAnchorSetting(float scale)
{
    if (m_actualSizeAnchor == 0) {
        setScale(scale);
        keepImageInView();
        if (scaledImageSize().height() > viewport()->rect().height())
            centerOn(sceneRect().center().x(), 0.0);
    } else {
        setZoomAnchor(m_actualSizeAnchor == 1 ? viewportCentre()
                                              : mapFromGlobal(QCursor::pos()));
        zoomAtAnchor(scale);
        keepImageInView();
    }
    recentre();
}

void ImageViewerV2::applyFitModeAfterZoom()
{
    m_fitMode = currentScale() == m_fitWindowScale ? FIT_WINDOW : FIT_FREE;
}

void ImageViewerV2::zoomIn()
{
    if (!m_pixmap)
        return;
    setZoomAnchor(viewportCentre());
    zoomAtAnchor(float(double(currentScale()) * (1.0 + double(m_zoomStep))));
    keepImageInView();
    recentre();
    applyFitModeAfterZoom();
}

void ImageViewerV2::zoomOut()
{
    if (!m_pixmap)
        return;
    setZoomAnchor(viewportCentre());
    zoomAtAnchor(float(double(currentScale()) * (1.0 - double(m_zoomStep))));
    keepImageInView();
    recentre();
    applyFitModeAfterZoom();
}

void ImageViewerV2::zoomInCursor()
{
    if (!testAttribute(Qt::WA_UnderMouse)) {
        zoomIn();
        return;
    }
    if (!m_pixmap)
        return;
    setZoomAnchor(mapFromGlobal(QCursor::pos()));
    zoomAtAnchor(float(double(currentScale()) * (1.0 + double(m_zoomStep))));
    applyFitModeAfterZoom();
    keepImageInView();
    recentre();
}

void ImageViewerV2::zoomOutCursor()
{
    if (!testAttribute(Qt::WA_UnderMouse)) {
        zoomOut();
        return;
    }
    if (!m_pixmap)
        return;
    setZoomAnchor(mapFromGlobal(QCursor::pos()));
    zoomAtAnchor(float(double(currentScale()) * (1.0 - double(m_zoomStep))));
    applyFitModeAfterZoom();
    keepImageInView();
    recentre();
}

void ImageViewerV2::zoom(float scale)
{
    if (!m_pixmap)
        return;
    setZoomAnchor(viewportCentre());
    zoomAtAnchor(scale);
    keepImageInView();
    recentre();
    applyFitModeAfterZoom();
}

void ImageViewerV2::keepImageInView()
{
    if (!m_pixmap)
        return;
    QPointF centre = visibleCentre();
    const QSize size = scaledImageSize();
    const QRect area = viewport()->rect();
    if (size.width() <= area.width())
        centre.setX(sceneRect().center().x());
    if (size.height() <= area.height())
        centre.setY(sceneRect().center().y());
    centerOn(centre);
}

void ImageViewerV2::recentre()
{
    if (!m_pixmap)
        return;
    const QRectF image = m_item->mapToScene(m_item->boundingRect()).boundingRect();
    const QPoint topLeft = mapFromScene(image.topLeft());
    const QPoint bottomRight = mapFromScene(image.bottomRight());
    const int width = rect().width();
    const int height = rect().height();
    // Of an image larger than the view, no edge may stand inside it.
    const auto shift = [](int near, int far, int extent) {
        if (extent - 1 >= far - near)
            return 0;
        if (near >= 1)
            return near;
        if (far <= extent - 1)
            return far - extent;
        return 0;
    };
    const int dx = shift(topLeft.x(), bottomRight.x(), width);
    const int dy = shift(topLeft.y(), bottomRight.y(), height);
    if (dx != 0 || dy != 0)
        centerOn(visibleCentre() + QPointF(dx, dy));
}

QSize ImageViewerV2::scaledImageSize() const
{
    if (!m_pixmap)
        return QSize(0, 0);
    const QRectF image = m_item->mapToScene(m_item->boundingRect()).boundingRect();
    return QSize(int(std::lround(image.width())), int(std::lround(image.height())));
}

bool ImageViewerV2::scaledImageFits() const
{
    const QSize size = scaledImageSize();
    const QRect area = viewport()->rect();
    return size.width() <= area.width() && size.height() <= area.height();
}

void ImageViewerV2::setFitMode(ImageFitMode mode)
{
    m_scaleTimer->stop();
    stopScrollTimelines();
    m_fitMode = mode;
    applyCurrentFitMode();
    requestScaling();
}

void ImageViewerV2::setFitOriginal()
{
    setFitMode(FIT_ORIGINAL);
}

void ImageViewerV2::setFitWidth()
{
    setFitMode(FIT_WIDTH);
    requestScaling();
}

void ImageViewerV2::setFitWindow()
{
    setFitMode(FIT_WINDOW);
    requestScaling();
}

void ImageViewerV2::applyCurrentFitMode()
{
    if (!m_pixmap)
        return;
    switch (m_fitMode) {
    case FIT_WIDTH:
        applyFitWidth();
        break;
    case FIT_WINDOW:
        applyFitWindow();
        break;
    case FIT_ORIGINAL:
        zoomWithAnchorSetting(1.0f);
        break;
    case FIT_FREE:
        break;
    }
}

void ImageViewerV2::applyFitWindow()
{
    if (viewportFitsImage() && !m_expandImage) {
        zoomWithAnchorSetting(1.0f);
        return;
    }
    if (currentScale() != m_fitWindowScale) {
        m_item->show();
        setScale(m_fitWindowScale);
    }
    centerOn(m_item.get());
}

void ImageViewerV2::applyFitWidth()
{
    float scale = float(m_dpr * viewport()->width() / double(m_pixmap->width()));
    if (!m_expandImage)
        scale = std::min(1.0f, scale);
    scale = std::min(m_expandLimit, scale);
    if (scale != currentScale()) {
        m_item->show();
        setScale(scale);
    }
    keepImageInView();
    if (scaledImageSize().height() > viewport()->rect().height())
        centerOn(visibleCentre().x(), 0.0);
    recentre();
}

// The fit a newly shown image or animation gets: the default mode, or the locked scale.
void ImageViewerV2::applyNewImageFit()
{
    if (m_pixmap)
        updateScaleRange();
    if (!m_keepFitMode || m_fitMode == FIT_FREE)
        m_fitMode = m_defaultFitMode;
    if (m_lockMode != 0) {
        m_fitMode = FIT_FREE;
        zoomWithAnchorSetting(m_lockScale);
        if (m_lockMode == 2)
            restoreViewCentre();
    } else {
        applyCurrentFitMode();
    }
}

// ---- Scrolling and locks -------------------------------------------------------------------

void ImageViewerV2::scrollUp()
{
    scrollAnimated(0, -ViewScroller::kStep);
}

void ImageViewerV2::scrollDown()
{
    scrollAnimated(0, ViewScroller::kStep);
}

void ImageViewerV2::scrollLeft()
{
    scrollAnimated(-ViewScroller::kStep, 0);
}

void ImageViewerV2::scrollRight()
{
    scrollAnimated(ViewScroller::kStep, 0);
}

void ImageViewerV2::scrollAnimated(int dx, int dy)
{
    m_scroller.step(Qt::Horizontal, horizontalScrollBar()->value(), dx);
    m_scroller.step(Qt::Vertical, verticalScrollBar()->value(), dy);
    if (m_lockMode == 2)
        saveViewCentre();
}

void ImageViewerV2::scrollToX(int x)
{
    horizontalScrollBar()->setValue(x);
    keepImageInView();
    recentre();
    viewport()->update();
}

void ImageViewerV2::scrollToY(int y)
{
    verticalScrollBar()->setValue(y);
    keepImageInView();
    recentre();
    viewport()->update();
}

void ImageViewerV2::onScrollTimelineFinished()
{
    if (m_lockMode == 2)
        saveViewCentre();
}

void ImageViewerV2::stopScrollTimelines()
{
    m_scroller.stop();
}

void ImageViewerV2::setScrollPosition(int x, int y)
{
    stopScrollTimelines();
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    keepImageInView();
    recentre();
    if (m_lockMode == 2)
        saveViewCentre();
}

void ImageViewerV2::scrollBy(int dx, int dy)
{
    setScrollPosition(horizontalScrollBar()->value() + dx, verticalScrollBar()->value() + dy);
}

void ImageViewerV2::saveViewCentre()
{
    if (!m_pixmap)
        return;
    const QPointF centre = mapToScene(viewport()->rect().center());
    const QRectF image = m_item->sceneBoundingRect();
    if (image.width() <= 0 || image.height() <= 0)
        return;
    m_savedViewCentre.setX(qBound(0.0, (centre.x() + 1.0 - image.left()) / image.width(), 1.0));
    m_savedViewCentre.setY(qBound(0.0, (centre.y() + 1.0 - image.top()) / image.height(), 1.0));
}

void ImageViewerV2::restoreViewCentre()
{
    const QRectF image = m_item->sceneBoundingRect();
    centerOn(image.left() + m_savedViewCentre.x() * image.width(),
             image.top() + m_savedViewCentre.y() * image.height());
    keepImageInView();
    recentre();
}

void ImageViewerV2::toggleLockZoom()
{
    if (!m_pixmap)
        return;
    if (m_lockMode != 1) {
        m_lockMode = 1;
        enterLockMode();
    } else {
        m_lockMode = 0;
    }
}

bool ImageViewerV2::lockZoomEnabled()
{
    return m_lockMode == 1;
}

void ImageViewerV2::toggleLockView()
{
    if (!m_pixmap)
        return;
    if (m_lockMode != 2) {
        m_lockMode = 2;
        enterLockMode();
    } else {
        m_lockMode = 0;
    }
}

bool ImageViewerV2::lockViewEnabled()
{
    return m_lockMode == 2;
}

void ImageViewerV2::enterLockMode()
{
    m_lockScale = currentScale();
    m_fitMode = FIT_FREE;
    if (m_lockMode == 2)
        saveViewCentre();
}

ImageScrolling ImageViewerV2::imageScrolling()
{
    return SCROLL_ZOOM;
}

// ---- Settings and filters ------------------------------------------------------------------

void ImageViewerV2::readSettings()
{
    m_expandImage = true;
    m_smoothAnimatedImages = true;
    m_smoothUpscaling = true;
    m_expandLimit = 4.0f;
    m_keepFitMode = false;
    m_zoomStep = 0.2f;
    m_defaultFitMode = FIT_WINDOW;
    m_actualSizeAnchor = 1;
    setBackground();
    if (m_pixmap)
        updateScaleRange();
    setScalingFilter(FILTER_BILINEAR);
    setFitMode(m_defaultFitMode);
}

void ImageViewerV2::setBackground()
{
    m_scene->setBackgroundBrush(kBackground);
}

void ImageViewerV2::onFullscreenModeChanged(bool mode)
{
    m_fullscreen = mode;
    setBackground();
}

void ImageViewerV2::setExpandImage(bool mode)
{
    m_expandImage = mode;
    if (m_pixmap)
        updateScaleRange();
    applyCurrentFitMode();
    requestScaling();
}

void ImageViewerV2::show()
{
    setMouseTracking(false);
    QWidget::show();
    setMouseTracking(true);
}

void ImageViewerV2::hide()
{
    setMouseTracking(false);
    QWidget::hide();
}

void ImageViewerV2::setFilterNearest()
{
    if (m_scalingFilter == FILTER_NEAREST)
        return;
    m_scalingFilter = FILTER_NEAREST;
    m_item->setTransformationMode(chooseTransformationMode());
    if (m_pixmap)
        m_item->show();
    requestScaling();
}

void ImageViewerV2::setFilterBilinear()
{
    if (m_scalingFilter == FILTER_BILINEAR)
        return;
    m_scalingFilter = FILTER_BILINEAR;
    m_item->setTransformationMode(chooseTransformationMode());
    requestScaling();
}

void ImageViewerV2::setScalingFilter(ScalingFilter filter)
{
    if (m_scalingFilter == filter)
        return;
    m_scalingFilter = filter;
    m_item->setTransformationMode(chooseTransformationMode());
    if (filter == FILTER_NEAREST && m_pixmap)
        m_item->show();
    requestScaling();
}

void ImageViewerV2::requestScaling()
{
    if (!m_pixmap || m_animation.isOpen())
        return;
    const float scale = currentScale();
    if (scale == 1.0f || !(scale < 1.0f || m_smoothUpscaling) || !(scale < kScalingThreshold))
        return;
    const QSize size = scaledImageSize();
    const QSize scaled(int(std::lround(size.width() * m_dpr)),
                       int(std::lround(size.height() * m_dpr)));
    emit scalingRequested(scaled, m_scalingFilter);
    if (m_scalingFilter == FILTER_BILINEAR)
        m_prescaler->request(*m_pixmap, scaled, m_dpr);
}

// ---- Showing pixmaps -----------------------------------------------------------------------

void ImageViewerV2::setPixmapOnItem(std::unique_ptr<QPixmap> pixmap)
{
    m_prescaler->cancel();
    m_item->clearPrescaled();
    m_pixmap = std::move(pixmap);
    m_pixmap->setDevicePixelRatio(m_dpr);
    m_item->setPixmap(*m_pixmap);
}

void ImageViewerV2::displayPixmap(std::unique_ptr<QPixmap> pixmap)
{
    updatePixmap(std::move(pixmap));
    m_item->setTransformationMode(m_scalingFilter == FILTER_BILINEAR ? Qt::SmoothTransformation
                                                                     : Qt::FastTransformation);
    m_item->show();
    applyNewImageFit();
    requestScaling();
    viewport()->update();
}

void ImageViewerV2::updatePixmap(std::unique_ptr<QPixmap> pixmap)
{
    setPixmapOnItem(std::move(pixmap));
    // Centred in the scene, and scaled about its own centre.
    const QSizeF size = QSizeF(m_pixmap->size()) / m_dpr;
    m_item->setOffset(kSceneSize / 2 - size.width() / 2, kSceneSize / 2 - size.height() / 2);
    m_item->setTransformOriginPoint(m_item->boundingRect().center());
    m_item->update();
}

void ImageViewerV2::reset()
{
    stopScrollTimelines();
    m_prescaler->cancel();
    m_item->clearPrescaled();
    m_item->setPixmap(QPixmap());
    m_item->setScale(1.0);
    m_pixmap.reset();
    stopAnimation();
    m_animation.close();
    centerOn(sceneRect().center());
    viewport()->update();
}

void ImageViewerV2::closeImage()
{
    reset();
}

// ---- Playback ------------------------------------------------------------------------------

bool ImageViewerV2::showAnimation(std::unique_ptr<QMovieProxy> &movie)
{
    // A source that is not valid, or has nothing to show, stays with the caller.
    FrameCache::Frame first;
    if (!AnimationFrames::firstFrame(movie.get(), &first))
        return false;

    reset();
    m_animation.open(std::move(movie), first);
    m_item->setTransformationMode(m_smoothAnimatedImages ? Qt::SmoothTransformation
                                                         : Qt::FastTransformation);
    presentFrame(first.pixmap, false);
    if (!m_animation.isOpen())
        return true;
    emit durationChanged(first.delay, m_animation.count());
    applyNewImageFit();
    startAnimation();
    return true;
}

void ImageViewerV2::startAnimation()
{
    if (!m_animation.isOpen() || m_animation.count() < 2)
        return;
    stopAnimation();
    emit animationPaused(false);
    const int delay = m_animation.delayOf(m_animation.current());
    m_animationTimer->start(m_animation.clock().start(delay));
}

void ImageViewerV2::stopAnimation()
{
    if (!m_animation.isOpen())
        return;
    emit animationPaused(true);
    m_animationTimer->stop();
}

void ImageViewerV2::setLoopPlayback(bool mode)
{
    if (m_animation.isOpen() && mode && !m_loopPlayback)
        startAnimation();
    m_loopPlayback = mode;
}

void ImageViewerV2::nextFrame()
{
    const int current = m_animation.current();
    if (m_animation.isOpen())
        showAnimationFrame(current >= m_animation.count() - 1 ? 0 : current + 1);
}

void ImageViewerV2::prevFrame()
{
    const int current = m_animation.current();
    if (m_animation.isOpen())
        showAnimationFrame(current <= 0 ? m_animation.count() - 1 : current - 1);
}

bool ImageViewerV2::showAnimationFrame(int frame)
{
    if (frame < 0 || !m_animation.isOpen() || frame >= m_animation.count())
        return false;
    if (frame == m_animation.current())
        return true;
    FrameCache::Frame fetched;
    int reached = m_animation.current();
    if (!m_animation.fetch(frame, &fetched, &reached)) {
        qDebug() << "[Error] QMovie:" << m_animation.lastErrorString();
        // Whatever the source reached is what is shown.
        if (fetched.pixmap.isNull() || reached < 0 || reached >= m_animation.count())
            return true;
    }
    m_animation.setCurrent(reached);
    presentFrame(fetched.pixmap, true);
    return true;
}

void ImageViewerV2::onAnimationTimer()
{
    if (!m_animation.isOpen())
        return;
    int target = m_animation.current() + 1;
    if (m_animation.current() >= m_animation.count() - 1) {
        if (!m_loopPlayback) {
            emit animationPaused(true);
            emit playbackFinished();
            return;
        }
        target = 0;
    }
    FrameCache::Frame fetched;
    int reached = m_animation.current();
    if (!m_animation.fetch(target, &fetched, &reached)) {
        qDebug() << "[Error] QMovie:" << m_animation.lastErrorString();
        stopAnimation();
        return;
    }
    m_animation.setCurrent(target);
    presentFrame(fetched.pixmap, true);
    // The frame's receivers may have closed the animation or paused it.
    if (!m_animation.isOpen() || m_animationTimer->isActive())
        return;
    m_animationTimer->start(m_animation.clock().next(fetched.delay));
}

void ImageViewerV2::presentFrame(QPixmap frame, bool refit)
{
    if (m_frameHook)
        m_frameHook(&frame, m_frameHookContext);
    emit frameChanged(m_animation.current(), frame.toImage());
    if (!m_animation.isOpen())
        return;
    auto shown = std::make_unique<QPixmap>(frame);
    if (refit && (!m_pixmap || shown->size() != m_pixmap->size()))
        displayPixmap(std::move(shown));
    else
        updatePixmap(std::move(shown));
}

// ---- Input ---------------------------------------------------------------------------------

void ImageViewerV2::mousePressEvent(QMouseEvent *event)
{
    if (!m_pixmap) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_gesture.press(roundedPoint(event->localPos()));
    if (event->button() == Qt::RightButton) {
        setZoomAnchor(m_gesture.pressPos());
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void ImageViewerV2::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_pixmap || m_gesture.state() == ViewGesture::Wheel)
        return;
    const QPoint pos = roundedPoint(event->localPos());

    if (event->buttons() & Qt::LeftButton) {
        const ViewGesture::LeftMove move = m_gesture.leftMove(pos, scaledImageFits());
        if (move.panStarted && cursor().shape() != Qt::ClosedHandCursor)
            setCursor(Qt::ClosedHandCursor);
        if (move.draggedOut) {
            emit draggedOut();
        } else if (move.pans) {
            scrollBy(move.panBy.x(), move.panBy.y());
            if (m_lockMode == 2)
                saveViewCentre();
        }
        return;
    }

    if (event->buttons() & Qt::RightButton) {
        double factor = 1.0;
        if (!m_gesture.zoomDrag(pos, m_zoomThreshold / m_dpr, m_dpr, &factor))
            return;
        if (cursor().shape() != Qt::SizeVerCursor)
            setCursor(Qt::SizeVerCursor);
        const QRect area = viewport()->rect();
        if (qint64(area.width()) * area.height() > kLargeViewport)
            m_forceFastScaling = true;
        const float scale = float(factor * double(currentScale()));
        m_fitMode = FIT_FREE;
        zoomAtAnchor(scale);
        keepImageInView();
        recentre();
        if (currentScale() == m_fitWindowScale)
            m_fitMode = FIT_WINDOW;
        return;
    }

    event->ignore();
}

void ImageViewerV2::mouseReleaseEvent(QMouseEvent *event)
{
    unsetCursor();
    if (m_forceFastScaling) {
        m_forceFastScaling = false;
        m_item->setTransformationMode(chooseTransformationMode());
    }
    if (m_pixmap && m_gesture.state() != ViewGesture::Idle) {
        m_gesture.setState(ViewGesture::Idle);
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
    event->ignore();
    m_gesture.setState(ViewGesture::Idle);
}

void ImageViewerV2::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (event->phase() == Qt::ScrollBegin || event->phase() == Qt::ScrollEnd)
        return;
    m_gesture.setState(ViewGesture::Wheel);
    const int delta = event->angleDelta().y();
    if (delta > 0)
        zoomInCursor();
    else if (delta < 0)
        zoomOutCursor();
    m_gesture.setState(ViewGesture::Idle);
}

void ImageViewerV2::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void ImageViewerV2::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    m_gesture.setPressPos(mapFromGlobal(QCursor::pos()));
    if (!isVisible())
        return;
    stopScrollTimelines();
    if (m_pixmap)
        updateScaleRange();
    if (m_fitMode == FIT_ORIGINAL || m_fitMode == FIT_FREE) {
        keepImageInView();
        recentre();
    } else {
        applyCurrentFitMode();
    }
    viewport()->update();
    m_scaleTimer->stop();
    m_scaleTimer->start();
    if (m_lockMode == 2)
        saveViewCentre();
}

void ImageViewerV2::showEvent(QShowEvent *event)
{
    QGraphicsView::showEvent(event);
    // Sizes that changed while hidden were not fitted: an image shown before the view appears
    // is fitted now.
    if (m_pixmap && m_fitMode != FIT_FREE) {
        updateScaleRange();
        applyCurrentFitMode();
    }
}
