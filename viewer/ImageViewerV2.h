#pragma once

#include <QGraphicsView>
#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QPoint>
#include <QPointF>

#include <memory>

#include "AnimationFrames.h"
#include "ViewGesture.h"
#include "ViewScroller.h"

class QGraphicsScene;
class ViewPixmapItem;
class ViewPrescaler;
class QMovieProxy;
class QTimer;

enum ImageFitMode {
    FIT_WINDOW = 0,   // the whole image in the viewport
    FIT_WIDTH = 1,    // the image width fills the viewport width
    FIT_ORIGINAL = 2, // one image pixel to one device pixel
    FIT_FREE = 3      // the scale the user chose; never refitted
};

enum ScalingFilter {
    FILTER_NEAREST = 0,
    FILTER_BILINEAR = 1
};

// What the wheel does over the view; this view always zooms.
enum ImageScrolling {
    SCROLL_NONE = 0,
    SCROLL_BY_WHEEL = 1,
    SCROLL_ZOOM = 2
};

// Runs on every animation frame before it is shown; may change the frame in place. The
// result is not used.
using FrameHook = bool (*)(QPixmap *frame, void *context);

// Shows one still image or the frames of one animation: fit modes, zoom, animated scrolling,
// panning, zoom-by-drag, zoom and view locks, and playback of a frame source that it owns.
// Only the pixmap item is scaled; the view keeps the identity transform, so scene units are
// viewport pixels.
class ImageViewerV2 : public QGraphicsView
{
    Q_OBJECT

public:
    explicit ImageViewerV2(QWidget *parent = nullptr);
    ~ImageViewerV2() override;

    virtual ImageFitMode fitMode() const;
    // The image's rectangle in viewport coordinates.
    virtual QRect imageRect() const;
    virtual float currentScale() const;
    // The shown pixmap's size in pixels; 0 x 0 without one.
    virtual QSize sourceSize() const;
    // Shows a still; a null pixmap is refused and changes nothing.
    virtual void showImage(std::unique_ptr<QPixmap> pixmap);
    // Swaps in other pixels without refitting or signalling.
    virtual void setScaledPixmap(std::unique_ptr<QPixmap> pixmap);
    // Takes the source out of movie and plays it. A null source, one that is not valid or one
    // without a frame to show is refused: it stays in movie, nothing changes, and the result is
    // false.
    virtual bool showAnimation(std::unique_ptr<QMovieProxy> &movie);
    virtual bool hasImage() const;
    virtual bool viewportFitsImage() const;
    virtual ScalingFilter scalingFilter() const;

    bool hasAnimation() const;
    // Whether the animation timer runs.
    bool isPlaying() const;
    // The number of the animation frame on screen; 0 without an animation.
    int currentFrameNumber() const;
    float minScale() const;
    float maxScale() const;
    bool loopPlayback() const;

    // Installs the per-frame hook and the context it is called with; null and null remove it.
    void setFrameHook(FrameHook hook, void *context);

    // Animation frames already shown are kept, unconverted, up to this many bytes, so that
    // stepping back does not decode the animation again from its start.
    void setFrameCacheLimit(qint64 bytes);
    qint64 frameCacheLimit() const;
    qint64 frameCacheSize() const;

    // Moves both scroll bars at once, without animation (for views kept in step).
    void setScrollPosition(int x, int y);

public slots:
    virtual void setFitMode(ImageFitMode mode);
    virtual void setFitOriginal();
    virtual void setFitWidth();
    virtual void setFitWindow();
    virtual void zoomIn();
    virtual void zoomOut();
    virtual void zoomInCursor();
    virtual void zoomOutCursor();
    virtual void zoom(float scale);
    virtual void readSettings();
    virtual void scrollUp();
    virtual void scrollDown();
    virtual void scrollLeft();
    virtual void scrollRight();
    virtual void startAnimation();
    virtual void stopAnimation();
    virtual void closeImage();
    virtual void setExpandImage(bool mode);
    virtual void show();
    virtual void hide();
    virtual void setFilterNearest();
    virtual void setFilterBilinear();
    virtual void setScalingFilter(ScalingFilter filter);
    void setLoopPlayback(bool mode);
    void nextFrame();
    void prevFrame();
    // Shows frame number frame; false when there is no such frame.
    bool showAnimationFrame(int frame);
    void onFullscreenModeChanged(bool mode);
    void toggleLockZoom();
    bool lockZoomEnabled();
    void toggleLockView();
    bool lockViewEnabled();
    ImageScrolling imageScrolling();
    void onAnimationTimer();
    void requestScaling();
    void scrollToX(int x);
    void scrollToY(int y);
    void onScrollTimelineFinished();

signals:
    void scalingRequested(QSize size, ScalingFilter filter);
    void scaleChanged(double scale);
    void scaleRangeChanged(double minimum, double maximum);
    void sourceSizeChanged(QSize size);
    void imageAreaChanged(QRect area);
    void draggedOut();
    void playbackFinished();
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int duration, int frames);
    void positionChanged(int x, int y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setScale(float scale);
    Qt::TransformationMode chooseTransformationMode() const;
    float fitWindowScale() const;
    void updateScaleRange();
    void setZoomAnchor(const QPoint &viewportPos);
    void zoomAtAnchor(float scale);
    void zoomWithAnchorSetting(float scale);
    void applyFitModeAfterZoom();
    QPoint viewportCentre() const;
    QPointF visibleCentre() const;
    void keepImageInView();
    void recentre();
    QSize scaledImageSize() const;
    bool scaledImageFits() const;
    void applyCurrentFitMode();
    void applyFitWindow();
    void applyFitWidth();
    void applyNewImageFit();
    void scrollAnimated(int dx, int dy);
    void scrollBy(int dx, int dy);
    void stopScrollTimelines();
    void saveViewCentre();
    void restoreViewCentre();
    void enterLockMode();
    void setPixmapOnItem(std::unique_ptr<QPixmap> pixmap);
    void displayPixmap(std::unique_ptr<QPixmap> pixmap);
    void updatePixmap(std::unique_ptr<QPixmap> pixmap);
    void reset();
    void setBackground();

    // Playback.
    void presentFrame(QPixmap frame, bool refit);

    std::unique_ptr<QGraphicsScene> m_scene;
    std::unique_ptr<ViewPixmapItem> m_item;
    std::unique_ptr<QPixmap> m_pixmap;
    QTimer *m_animationTimer = nullptr;
    QTimer *m_scaleTimer = nullptr;
    ViewScroller m_scroller;

    bool m_expandImage = true;
    float m_expandLimit = 4.0f;
    bool m_smoothAnimatedImages = true;
    bool m_smoothUpscaling = true;
    bool m_keepFitMode = false;
    float m_zoomStep = 0.2f;
    ImageFitMode m_defaultFitMode = FIT_WINDOW;
    int m_actualSizeAnchor = 1;
    ScalingFilter m_scalingFilter = FILTER_BILINEAR;
    bool m_loopPlayback = true;
    float m_minScale = 0.01f;
    float m_maxScale = 10.0f;
    float m_fitWindowScale = 0.125f;
    qreal m_dpr = 1.0;
    int m_zoomThreshold = 4;

    ImageFitMode m_fitMode = FIT_WINDOW;
    int m_lockMode = 0;
    float m_lockScale = 1.0f;
    QPointF m_savedViewCentre{0.5, 0.5};
    QPoint m_zoomAnchorViewport;
    QPointF m_zoomAnchorItem;
    ViewGesture m_gesture;
    bool m_forceFastScaling = false;
    bool m_fullscreen = false;
    FrameHook m_frameHook = nullptr;
    void *m_frameHookContext = nullptr;

    AnimationFrames m_animation;

    std::unique_ptr<ViewPrescaler> m_prescaler;
};

Q_DECLARE_METATYPE(ImageFitMode)
Q_DECLARE_METATYPE(ScalingFilter)
