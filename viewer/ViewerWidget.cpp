#include "ViewerWidget.h"

#include <QKeyEvent>
#include <QMetaType>
#include <QMouseEvent>

#include "documents/QMovieProxy.h"

namespace {

constexpr int kCursorTimeoutMs = 1000;

} // namespace

ViewerWidget::ViewerWidget(QWidget *parent)
    : QWidget(parent)
{
    m_cursorTimer.setInterval(kCursorTimeoutMs);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    m_layout.setContentsMargins(0, 0, 0, 0);
    m_layout.setSpacing(0);
    setLayout(&m_layout);

    m_view = new ImageViewerV2(this);
    m_layout.addWidget(m_view);
    m_view->hide();

    connect(m_view, &ImageViewerV2::scalingRequested, this, &ViewerWidget::scalingRequested);
    connect(m_view, &ImageViewerV2::scaleChanged, this, &ViewerWidget::onScaleChanged);
    connect(m_view, &ImageViewerV2::scaleRangeChanged, this, &ViewerWidget::onScaleRangeChanged);
    connect(m_view, &ImageViewerV2::playbackFinished, this,
            &ViewerWidget::onAnimationPlaybackFinished);
    connect(this, &ViewerWidget::setFilterNearest, m_view, &ImageViewerV2::setFilterNearest);
    connect(this, &ViewerWidget::setFilterBilinear, m_view, &ImageViewerV2::setFilterBilinear);
    connect(&m_cursorTimer, &QTimer::timeout, this, &ViewerWidget::hideCursor);

    if (!viewActive())
        enableImageViewer();
    if (!m_connected)
        connectImageViewer();

    qRegisterMetaType<QMovieProxy *>("QMovieProxy*");
    qRegisterMetaType<ImageFitMode>("ImageFitMode");
    qRegisterMetaType<ScalingFilter>("ScalingFilter");
}

ViewerWidget::~ViewerWidget()
{
    m_cursorTimer.stop();
}

bool ViewerWidget::viewActive() const
{
    return m_activeView == 0;
}

void ViewerWidget::enableImageViewer()
{
    connect(m_view, &ImageViewerV2::durationChanged, this, &ViewerWidget::durationChanged);
    connect(m_view, &ImageViewerV2::frameChanged, this, &ViewerWidget::frameChanged);
    connect(m_view, &ImageViewerV2::animationPaused, this, &ViewerWidget::animationPaused);
    m_view->show();
    m_activeView = 0;
}

void ViewerWidget::connectImageViewer()
{
    if (m_connected)
        return;
    connect(this, &ViewerWidget::toggleLockZoom, m_view, &ImageViewerV2::toggleLockZoom);
    connect(this, &ViewerWidget::toggleLockView, m_view, &ImageViewerV2::toggleLockView);
    connect(this, &ViewerWidget::zoomIn, m_view, &ImageViewerV2::zoomIn);
    connect(this, &ViewerWidget::zoomOut, m_view, &ImageViewerV2::zoomOut);
    connect(this, &ViewerWidget::zoomInCursor, m_view, &ImageViewerV2::zoomInCursor);
    connect(this, &ViewerWidget::zoomOutCursor, m_view, &ImageViewerV2::zoomOutCursor);
    connect(this, &ViewerWidget::scrollUp, m_view, &ImageViewerV2::scrollUp);
    connect(this, &ViewerWidget::scrollDown, m_view, &ImageViewerV2::scrollDown);
    connect(this, &ViewerWidget::scrollLeft, m_view, &ImageViewerV2::scrollLeft);
    connect(this, &ViewerWidget::scrollRight, m_view, &ImageViewerV2::scrollRight);
    connect(this, &ViewerWidget::fitWindow, m_view, &ImageViewerV2::setFitWindow);
    connect(this, &ViewerWidget::fitWidth, m_view, &ImageViewerV2::setFitWidth);
    connect(this, &ViewerWidget::fitOriginal, m_view, &ImageViewerV2::setFitOriginal);
    connect(m_view, &ImageViewerV2::draggedOut, this, &ViewerWidget::draggedOut);
    m_view->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_connected = true;
}

void ViewerWidget::startCursorTimer()
{
    if (!m_cursorTimer.isActive())
        m_cursorTimer.start();
}

bool ViewerWidget::showImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return false;
    stopPlayback();
    if (!viewActive())
        enableImageViewer();
    m_view->showImage(std::move(pixmap));
    startCursorTimer();
    return true;
}

void ViewerWidget::setScaledPixmap(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    stopPlayback();
    if (!viewActive())
        enableImageViewer();
    m_view->setScaledPixmap(std::move(pixmap));
    startCursorTimer();
}

bool ViewerWidget::showAnimation(std::unique_ptr<QMovieProxy> &movie)
{
    if (!movie)
        return false;
    if (!viewActive())
        enableImageViewer();
    // The view plays the source from here on; one it refuses stays with the caller.
    if (!m_view->showAnimation(movie))
        return false;
    startCursorTimer();
    return true;
}

void ViewerWidget::setFrameHook(FrameHook hook, void *context)
{
    m_view->setFrameHook(hook, context);
}

float ViewerWidget::currentScale() const
{
    return viewActive() ? m_view->currentScale() : 1.0f;
}

float ViewerWidget::maxScale() const
{
    return m_view->maxScale();
}

float ViewerWidget::minScale() const
{
    return m_view->minScale();
}

ImageFitMode ViewerWidget::fitMode() const
{
    return m_view->fitMode();
}

void ViewerWidget::onScaleChanged(double scale)
{
    if (isVisible())
        emit scaleChanged(scale);
}

void ViewerWidget::onScaleRangeChanged(double minimum, double maximum)
{
    if (isVisible())
        emit scaleRangeChanged(minimum, maximum);
}

void ViewerWidget::onAnimationPlaybackFinished()
{
    if (viewActive())
        emit playbackFinished();
}

void ViewerWidget::stopPlayback()
{
    if (viewActive() && m_view->hasAnimation())
        m_view->stopAnimation();
}

void ViewerWidget::setFitMode(ImageFitMode mode)
{
    switch (mode) {
    case FIT_WINDOW:
        emit fitWindow();
        break;
    case FIT_WIDTH:
        emit fitWidth();
        break;
    case FIT_ORIGINAL:
        emit fitOriginal();
        break;
    case FIT_FREE:
        break;
    }
}

void ViewerWidget::closeImage()
{
    m_view->closeImage();
    showCursor();
}

void ViewerWidget::hideCursor()
{
    // The cursor stays visible; only the timer that would hide it ends.
    m_cursorTimer.stop();
}

void ViewerWidget::showCursor()
{
    m_cursorTimer.stop();
    if (cursor().shape() == Qt::BlankCursor)
        setCursor(Qt::ArrowCursor);
}

void ViewerWidget::hideCursorTimed(bool restartTimer)
{
    if (restartTimer)
        m_cursorTimer.start();
    else
        startCursorTimer();
}

void ViewerWidget::slotZoomIn()
{
    emit zoomIn();
}

void ViewerWidget::slotZoomOut()
{
    emit zoomOut();
}

void ViewerWidget::slotZoom(double scale)
{
    m_view->zoom(float(scale));
}

void ViewerWidget::pauseResumePlayback()
{
    if (!m_view->hasAnimation())
        return;
    if (m_view->isPlaying())
        m_view->stopAnimation();
    else
        m_view->startAnimation();
}

void ViewerWidget::frameStep()
{
    if (!m_view->hasAnimation())
        return;
    m_view->stopAnimation();
    m_view->nextFrame();
}

void ViewerWidget::frameStepBack()
{
    if (!m_view->hasAnimation())
        return;
    m_view->stopAnimation();
    m_view->prevFrame();
}

void ViewerWidget::seek(int pos)
{
    if (!m_view->hasAnimation())
        return;
    m_view->stopAnimation();
    m_view->showAnimationFrame(pos);
}

void ViewerWidget::startPlayback()
{
    if (viewActive() && m_view->hasAnimation())
        m_view->startAnimation();
}

// The picture area has no menu of its own.
void ViewerWidget::showContextMenu()
{
}

void ViewerWidget::hideContextMenu()
{
}

void ViewerWidget::showContextMenu(QPoint pos)
{
    Q_UNUSED(pos);
}

void ViewerWidget::onFullscreenModeChanged(bool mode)
{
    m_view->onFullscreenModeChanged(mode);
    m_fullscreen = mode;
}

void ViewerWidget::readSettings()
{
}

void ViewerWidget::setLoopPlayback(bool mode)
{
    m_view->setLoopPlayback(mode);
}

void ViewerWidget::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void ViewerWidget::mouseReleaseEvent(QMouseEvent *event)
{
    showCursor();
    startCursorTimer();
    event->ignore();
}

void ViewerWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton) {
        showCursor();
        hideCursorTimed(true);
    }
    event->ignore();
}

void ViewerWidget::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

bool ViewerWidget::focusNextPrevChild(bool next)
{
    Q_UNUSED(next);
    return false;
}
