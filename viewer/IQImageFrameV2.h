#pragma once

#include <QFrame>
#include <QImage>

#include <memory>

class QAction;
class QDoubleSlider;
class QLayout;
class QMovieProxy;
class ViewerWidget;

// The picture area of the viewer page: hosts the view, keeps the image on show, ties the zoom
// slider to the view's scale both ways and enables the main window's four zoom actions by the
// zoom state. The page builds the view into its form through createViewer.
class IQImageFrameV2 : public QFrame
{
    Q_OBJECT

public:
    explicit IQImageFrameV2(QWidget *parent = nullptr);
    ~IQImageFrameV2() override;

    // The main window's View actions; not owned, each may stay null.
    QAction *actualSizeAction = nullptr;
    QAction *fitWindowAction = nullptr;
    QAction *zoomInAction = nullptr;
    QAction *zoomOutAction = nullptr;

    void setZoomSlider(QDoubleSlider *slider);
    // Places a new view in the layout; does nothing when there is a view or no layout.
    void createViewer(QLayout *layout);

    const QImage &image() const;
    double scale() const;
    // 0 fit in window (or no view), 1 actual size, 2 free or fit to width, 3 at the largest
    // scale, 4 at the smallest.
    int zoomState() const;

    void zoomIn();
    void zoomOut();
    void zoomFit();
    void zoomActual();
    void updateActions();

    // Hands the source to the view. A source the view refuses is deleted; false then.
    bool showAnimation(std::unique_ptr<QMovieProxy> movie);
    // Shows a still, refitted; false when the view refuses it (a null image).
    bool setImage(const QImage &image);
    // Puts other pixels of the image on show in place, without refitting.
    void showPixmap(const QImage &image);
    // Closes the view's image and forgets the stored one.
    void clear();

protected:
    void resizeEvent(QResizeEvent *event) override;

    ViewerWidget *viewer = nullptr;
    QLayout *viewLayout = nullptr;
    QDoubleSlider *zoomSlider = nullptr;
    // The image on show: a still, or the current animation frame as last received.
    QImage storedImage;

private:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onZoomSliderChanged(double value);
};
