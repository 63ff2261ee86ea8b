#include "BAViewerWidget.h"

#include <QCursor>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {
constexpr int kCursorHideMs = 1000;
} // namespace

BAViewerWidget::BAViewerWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    m_layout.setContentsMargins(0, 0, 0, 0);
    m_layout.setSpacing(0);
    setLayout(&m_layout);

    m_cursorTimer.setInterval(kCursorHideMs);
    connect(&m_cursorTimer, &QTimer::timeout, this, &BAViewerWidget::hideCursor);

    m_before = createView();
    m_after = createView();
    // Filter requests go to the before view alone.
    connect(this, &BAViewerWidget::setFilterNearest, m_before, &ImageViewerV2::setFilterNearest);
    connect(this, &BAViewerWidget::setFilterBilinear, m_before,
            &ImageViewerV2::setFilterBilinear);
    m_layout.addWidget(m_before, 1);
    m_layout.addWidget(m_after, 1);

    activateViews(m_showAfter);
    connectCommands();
}

BAViewerWidget::~BAViewerWidget()
{
    m_cursorTimer.stop();
    disconnectPositions();
    // The views are deleted before the layout member they sit in.
    delete m_before;
    delete m_after;
}

ImageViewerV2 *BAViewerWidget::createView()
{
    auto *view = new ImageViewerV2(this);
    connect(view, &ImageViewerV2::scalingRequested, this, &BAViewerWidget::scalingRequested);
    connect(view, &ImageViewerV2::scaleChanged, this, &BAViewerWidget::onScaleChanged);
    connect(view, &ImageViewerV2::scaleRangeChanged, this, &BAViewerWidget::onScaleRangeChanged);
    connect(view, &ImageViewerV2::positionChanged, this, &BAViewerWidget::onPositionChanged);
    view->hide();
    return view;
}

void BAViewerWidget::activateViews(bool showAfter)
{
    m_activeView = 0;
    m_before->show();
    if (showAfter)
        m_after->show();
    else
        m_after->hide();
}

void BAViewerWidget::deactivateViews()
{
    if (!viewsActive())
        return;
    m_activeView = 1;
    for (ImageViewerV2 *view : {m_before, m_after}) {
        view->closeImage();
        view->hide();
    }
}

void BAViewerWidget::connectCommands()
{
    if (m_connected)
        return;
    for (ImageViewerV2 *view : {m_before, m_after}) {
        connect(this, &BAViewerWidget::toggleLockZoom, view, &ImageViewerV2::toggleLockZoom);
        connect(this, &BAViewerWidget::toggleLockView, view, &ImageViewerV2::toggleLockView);
        connect(this, &BAViewerWidget::zoom, view, [view](double scale) { view->zoom(float(scale)); });
        connect(this, &BAViewerWidget::zoomIn, view, &ImageViewerV2::zoomIn);
        connect(this, &BAViewerWidget::zoomOut, view, &ImageViewerV2::zoomOut);
        connect(this, &BAViewerWidget::zoomInCursor, view, &ImageViewerV2::zoomInCursor);
        connect(this, &BAViewerWidget::zoomOutCursor, view, &ImageViewerV2::zoomOutCursor);
        connect(this, &BAViewerWidget::scrollUp, view, &ImageViewerV2::scrollUp);
        connect(this, &BAViewerWidget::scrollDown, view, &ImageViewerV2::scrollDown);
        connect(this, &BAViewerWidget::scrollLeft, view, &ImageViewerV2::scrollLeft);
        connect(this, &BAViewerWidget::scrollRight, view, &ImageViewerV2::scrollRight);
        connect(this, &BAViewerWidget::fitWindow, view, &ImageViewerV2::setFitWindow);
        connect(this, &BAViewerWidget::fitWidth, view, &ImageViewerV2::setFitWidth);
        connect(this, &BAViewerWidget::fitOriginal, view, &ImageViewerV2::setFitOriginal);
        connect(view, &ImageViewerV2::draggedOut, this, &BAViewerWidget::draggedOut);
        view->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
    m_connected = true;
}

bool BAViewerWidget::showImage(std::unique_ptr<QPixmap> pixmap)
{
    if (!pixmap || pixmap->isNull())
        return false;
    if (!viewsActive())
        activateViews(m_showAfter);
    auto copy = std::make_unique<QPixmap>(pixmap->copy());
    m_before->showImage(std::move(pixmap));
    m_after->showImage(std::move(copy));
    if (!m_cursorTimer.isActive())
        m_cursorTimer.start();
    return true;
}

void BAViewerWidget::setScaledPixmap(std::unique_ptr<QPixmap> pixmap)
{
    m_before->setScaledPixmap(std::move(pixmap));
}

void BAViewerWidget::setShowAfter(bool show)
{
    if (!viewsActive())
        return;
    activateViews(show);
    m_showAfter = show;
}

float BAViewerWidget::currentScale() const
{
    return viewsActive() ? m_before->currentScale() : 1.0f;
}

ImageFitMode BAViewerWidget::fitMode() const
{
    return m_before->fitMode();
}

ScalingFilter BAViewerWidget::scalingFilter() const
{
    return m_before->scalingFilter();
}

QRect BAViewerWidget::imageRect() const
{
    return m_before->imageRect();
}

QSize BAViewerWidget::sourceSize() const
{
    return m_before->sourceSize();
}

void BAViewerWidget::onScaleChanged(double scale)
{
    if (!isVisible())
        return;
    {
        // The other view follows with its signals blocked, so the pair never echoes.
        const QSignalBlocker blockBefore(m_before);
        const QSignalBlocker blockAfter(m_after);
        if (sender() == m_before) {
            m_after->zoom(float(scale));
            qDebug() << "after";
            m_after->viewport()->update();
        } else if (sender() == m_after) {
            qDebug() << "before";
            m_before->zoom(float(scale));
            m_before->viewport()->update();
        }
    }
    emit scaleChanged(scale);
}

void BAViewerWidget::onScaleRangeChanged(double minimum, double maximum)
{
    if (isVisible())
        emit scaleRangeChanged(minimum, maximum);
}

void BAViewerWidget::connectPositions()
{
    for (ImageViewerV2 *view : {m_before, m_after})
        connect(view, &ImageViewerV2::positionChanged, this, &BAViewerWidget::onPositionChanged,
                Qt::UniqueConnection);
}

void BAViewerWidget::disconnectPositions()
{
    for (ImageViewerV2 *view : {m_before, m_after}) {
        if (view)
            disconnect(view, &ImageViewerV2::positionChanged, this,
                       &BAViewerWidget::onPositionChanged);
    }
}

void BAViewerWidget::onPositionChanged(int x, int y)
{
    if (!isVisible())
        return;
    ImageViewerV2 *source = qobject_cast<ImageViewerV2 *>(sender());
    disconnectPositions();
    if (source == m_before)
        m_after->setScrollPosition(x, y);
    else if (source == m_after)
        m_before->setScrollPosition(x, y);
    connectPositions();
}

void BAViewerWidget::setFitMode(ImageFitMode mode)
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
    default:
        break;
    }
}

void BAViewerWidget::closeImage()
{
    m_before->closeImage();
    m_after->closeImage();
    showCursor();
}

void BAViewerWidget::hideCursor()
{
    // The cursor stays visible; only the timer that would hide it ends.
    m_cursorTimer.stop();
}

void BAViewerWidget::showCursor()
{
    m_cursorTimer.stop();
    if (cursor().shape() == Qt::BlankCursor)
        setCursor(Qt::ArrowCursor);
}

void BAViewerWidget::hideCursorTimed(bool restartTimer)
{
    if (restartTimer || !m_cursorTimer.isActive())
        m_cursorTimer.start();
}

void BAViewerWidget::slotZoomIn()
{
    emit zoomIn();
}

void BAViewerWidget::slotZoomOut()
{
    emit zoomOut();
}

void BAViewerWidget::slotZoom(double scale)
{
    emit zoom(scale);
}

void BAViewerWidget::showContextMenu()
{
    // There is no menu to show; the position is read as a real menu would.
    showContextMenu(QCursor::pos());
}

void BAViewerWidget::hideContextMenu()
{
}

void BAViewerWidget::showContextMenu(QPoint pos)
{
    Q_UNUSED(pos);
}

void BAViewerWidget::onFullscreenModeChanged(bool mode)
{
    m_before->onFullscreenModeChanged(mode);
    m_after->onFullscreenModeChanged(mode);
    m_fullscreen = mode;
}

void BAViewerWidget::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void BAViewerWidget::mouseReleaseEvent(QMouseEvent *event)
{
    showCursor();
    if (!m_cursorTimer.isActive())
        m_cursorTimer.start();
    event->ignore();
}

void BAViewerWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton) {
        showCursor();
        hideCursorTimed(true);
    }
    event->ignore();
}

void BAViewerWidget::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

bool BAViewerWidget::focusNextPrevChild(bool next)
{
    Q_UNUSED(next);
    return false;
}
