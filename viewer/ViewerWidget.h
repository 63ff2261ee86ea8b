#pragma once

#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "ImageViewerV2.h"

class QMovieProxy;

// The picture area of the viewer page: hosts one image view, drives it through its command
// signals, relays its zoom, playback and drag signals, and offers the page a small API for
// stills, animations, zoom, fit and playback.
class ViewerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ViewerWidget(QWidget *parent = nullptr);
    ~ViewerWidget() override;

    // Shows a still; false, and nothing changes, for a null pixmap.
    bool showImage(std::unique_ptr<QPixmap> pixmap);
    // Swaps other pixels in place: no refit, no signal. A null pixmap is ignored.
    void setScaledPixmap(std::unique_ptr<QPixmap> pixmap);
    // Takes the source out of movie and plays it. A null source, or one the view refuses,
    // gives false and stays in movie, so that its holder frees it once.
    bool showAnimation(std::unique_ptr<QMovieProxy> &movie);
    // The per-frame hook of animations; null and null remove it.
    void setFrameHook(FrameHook hook, void *context);

    float currentScale() const;
    float maxScale() const;
    float minScale() const;
    ImageFitMode fitMode() const;

signals:
    void scalingRequested(QSize size, ScalingFilter filter);
    void zoomIn();
    void zoomOut();
    void zoomInCursor();
    void zoomOutCursor();
    void scrollUp();
    void scrollDown();
    void scrollLeft();
    void scrollRight();
    void fitWindow();
    void fitWidth();
    void fitOriginal();
    void toggleTransparencyGrid();
    void draggedOut();
    void setFilterNearest();
    void setFilterBilinear();
    void playbackFinished();
    void toggleLockZoom();
    void toggleLockView();
    void scaleChanged(double scale);
    void scaleRangeChanged(double minimum, double maximum);
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int duration, int frames);

public slots:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onAnimationPlaybackFinished();
    void stopPlayback();
    void setFitMode(ImageFitMode mode);
    void closeImage();
    void hideCursor();
    void showCursor();
    void hideCursorTimed(bool restartTimer);
    void slotZoomIn();
    void slotZoomOut();
    void slotZoom(double scale);
    void pauseResumePlayback();
    void frameStep();
    void frameStepBack();
    void seek(int pos);
    void startPlayback();
    void showContextMenu();
    void hideContextMenu();
    void showContextMenu(QPoint pos);
    void onFullscreenModeChanged(bool mode);
    void readSettings();
    void setLoopPlayback(bool mode);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void enableImageViewer();
    void connectImageViewer();
    bool viewActive() const;
    void startCursorTimer();

    QHBoxLayout m_layout;
    ImageViewerV2 *m_view = nullptr;
    int m_activeView = 1;
    bool m_connected = false;
    QTimer m_cursorTimer;
    bool m_fullscreen = false;
};
