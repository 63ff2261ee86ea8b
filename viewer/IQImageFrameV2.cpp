#include "IQImageFrameV2.h"

#include <QAction>
#include <QLayout>
#include <QPixmap>
#include <QtGlobal>

#include <cmath>

#include "QDoubleSlider.h"
#include "documents/QMovieProxy.h"
#include "ViewerWidget.h"

namespace {

constexpr double kScaleEpsilon = 1e-6;

enum ZoomState : int { FitsWindow = 0, ActualSize = 1, Free = 2, AtMaximum = 3, AtMinimum = 4 };

void enableAction(QAction *action, bool enabled)
{
    if (action)
        action->setEnabled(enabled);
}

} // namespace

IQImageFrameV2::IQImageFrameV2(QWidget *parent)
    : QFrame(parent)
{
}

IQImageFrameV2::~IQImageFrameV2()
{
    delete viewer;
}

void IQImageFrameV2::setZoomSlider(QDoubleSlider *slider)
{
    zoomSlider = slider;
    connect(zoomSlider, qOverload<double>(&QDoubleSlider::valueChanged), this,
            &IQImageFrameV2::onZoomSliderChanged);
}

void IQImageFrameV2::createViewer(QLayout *layout)
{
    if (viewer || !layout)
        return;
    viewer = new ViewerWidget;
    viewLayout = layout;
    viewLayout->addWidget(viewer);
    connect(viewer, &ViewerWidget::scaleChanged, this, &IQImageFrameV2::onScaleChanged);
    connect(viewer, &ViewerWidget::scaleRangeChanged, this, &IQImageFrameV2::onScaleRangeChanged);
}

const QImage &IQImageFrameV2::image() const
{
    return storedImage;
}

double IQImageFrameV2::scale() const
{
    return viewer ? double(viewer->currentScale()) : 1.0;
}

int IQImageFrameV2::zoomState() const
{
    if (!viewer)
        return FitsWindow;
    const double current = double(viewer->currentScale());
    switch (viewer->fitMode()) {
    case FIT_ORIGINAL:
        return ActualSize;
    case FIT_FREE:
        if (std::fabs(current - double(viewer->maxScale())) < kScaleEpsilon)
            return AtMaximum;
        if (std::fabs(current - double(viewer->minScale())) < kScaleEpsilon)
            return AtMinimum;
        return Free;
    case FIT_WIDTH:
        return Free;
    case FIT_WINDOW:
        break;
    }
    return FitsWindow;
}

void IQImageFrameV2::zoomIn()
{
    emit viewer->zoomIn();
}

void IQImageFrameV2::zoomOut()
{
    emit viewer->zoomOut();
}

void IQImageFrameV2::zoomFit()
{
    viewer->setFitMode(FIT_WINDOW);
}

void IQImageFrameV2::zoomActual()
{
    viewer->setFitMode(FIT_ORIGINAL);
}

void IQImageFrameV2::updateActions()
{
    if (storedImage.isNull()) {
        for (QAction *action : {actualSizeAction, fitWindowAction, zoomInAction, zoomOutAction})
            enableAction(action, false);
        return;
    }
    const int state = zoomState();
    enableAction(actualSizeAction, state != ActualSize);
    enableAction(fitWindowAction, state != FitsWindow);
    enableAction(zoomInAction, state != AtMaximum);
    enableAction(zoomOutAction, state != FitsWindow && state != AtMinimum);
}

void IQImageFrameV2::onScaleChanged(double scale)
{
    if (storedImage.isNull())
        return;
    if (zoomSlider)
        zoomSlider->setValue(scale, true);
    updateActions();
}

void IQImageFrameV2::onScaleRangeChanged(double minimum, double maximum)
{
    if (storedImage.isNull())
        return;
    if (zoomSlider) {
        const bool blocked = zoomSlider->blockSignals(true);
        zoomSlider->setRange(minimum, maximum);
        zoomSlider->setValue(scale(), true);
        zoomSlider->blockSignals(blocked);
    }
    updateActions();
}

void IQImageFrameV2::onZoomSliderChanged(double value)
{
    // The scale handlers set the slider with its signals blocked, so a scale change of the
    // view never comes back to it.
    if (viewer && !storedImage.isNull())
        viewer->slotZoom(value);
}

bool IQImageFrameV2::showAnimation(std::unique_ptr<QMovieProxy> movie)
{
    // Whatever the view does not take goes with movie at the end of this call.
    const bool shown = viewer && viewer->showAnimation(movie);
    updateActions();
    return shown;
}

bool IQImageFrameV2::setImage(const QImage &image)
{
    storedImage = image;
    bool shown = false;
    if (viewer)
        shown = viewer->showImage(std::make_unique<QPixmap>(QPixmap::fromImage(image)));
    updateActions();
    return shown;
}

void IQImageFrameV2::showPixmap(const QImage &image)
{
    storedImage = image;
    if (viewer)
        viewer->setScaledPixmap(std::make_unique<QPixmap>(QPixmap::fromImage(image)));
}

void IQImageFrameV2::clear()
{
    if (viewer)
        viewer->closeImage();
    storedImage = QImage();
}

void IQImageFrameV2::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
}
