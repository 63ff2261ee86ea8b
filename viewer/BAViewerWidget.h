#pragma once

#include <QHBoxLayout>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "ImageViewerV2.h"

// Two image views side by side, the before picture on the left and the after picture on the
// right, held at one scale and one scroll position. Stills only.
class BAViewerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BAViewerWidget(QWidget *parent = nullptr);
    ~BAViewerWidget() override;

    // Shows the pixmap in the before view and a copy of it in the after view; false, and
    // nothing changes, for a null pixmap.
    bool showImage(std::unique_ptr<QPixmap> pixmap);
    // Swaps other pixels into the before view only.
    void setScaledPixmap(std::unique_ptr<QPixmap> pixmap);
    // Shows or hides the after view; both views keep receiving every image.
    void setShowAfter(bool show);
    bool showsAfter() const { return m_showAfter; }

    float currentScale() const;
    ImageFitMode fitMode() const;
    ScalingFilter scalingFilter() const;
    QRect imageRect() const;
    QSize sourceSize() const;

    ImageViewerV2 *beforeView() const { return m_before; }
    ImageViewerV2 *afterView() const { return m_after; }

signals:
    void scalingRequested(QSize size, ScalingFilter filter);
    void zoom(double scale);
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

public slots:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onPositionChanged(int x, int y);
    void setFitMode(ImageFitMode mode);
    void closeImage();
    void hideCursor();
    void showCursor();
    void hideCursorTimed(bool restartTimer);
    void slotZoomIn();
    void slotZoomOut();
    void slotZoom(double scale);
    void showContextMenu();
    void hideContextMenu();
    void showContextMenu(QPoint pos);
    void onFullscreenModeChanged(bool mode);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    ImageViewerV2 *createView();
    void activateViews(bool showAfter);
    void deactivateViews();
    void connectCommands();
    bool viewsActive() const { return m_activeView == 0; }
    void connectPositions();
    void disconnectPositions();

    QHBoxLayout m_layout;
    ImageViewerV2 *m_before = nullptr;
    ImageViewerV2 *m_after = nullptr;
    int m_activeView = 1;
    bool m_connected = false;
    QTimer m_cursorTimer;
    bool m_fullscreen = false;
    bool m_showAfter = false;
};
