#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QGraphicsView>

#include <memory>

class IQImageScene;
class QGraphicsPixmapItem;

// Shows one image in a caller's QGraphicsView by rendering it into a pixmap at the current
// scale; offers fit, zoom, rotation and crop, and reports the view's scroll positions.
class IQImageDisplayController : public QObject
{
    Q_OBJECT

public:
    static constexpr double kMinScale = 0.01;
    static constexpr double kMaxScale = 10.0;

    explicit IQImageDisplayController(QGraphicsView *view, QObject *parent = nullptr);
    ~IQImageDisplayController() override;

    QGraphicsView *view() const { return m_view; }
    IQImageScene *scene() const { return m_scene.get(); }
    const QImage &image() const { return m_image; }
    const QPixmap &displayedPixmap() const { return m_displayed; }
    double scale() const { return m_scale; }
    double maximumFitScale() const { return m_maxFitScale; }
    int rotation() const { return m_rotation; }

    void fitToView();
    void zoomToRect(const QRect &rect);
    void rotate(int angle, Qt::TransformationMode mode = Qt::SmoothTransformation);
    void cropToRect(const QRect &rect);
    void setScrollValues(int x, int y);
    // Takes the colours of an image of the held image's size, keeping the held alpha; refuses
    // (false, nothing copied) another size or a source that is not 32 bits per pixel.
    bool replaceColors(const QImage &image);
    // The same from raw pixels: ARGB32 rows of 4 x width bytes or RGB888 rows of bytesPerLine
    // bytes, of the held image's size.
    bool loadPixelBuffer(const uchar *data, int width, int height, int bytesPerLine,
                         QImage::Format format);

public slots:
    virtual void setImage(const QImage &image);
    virtual void zoomBy(double factor);
    virtual void showScaledImage(double scale);

signals:
    void controllerScrollValueChanged(IQImageDisplayController *displayController, int x, int y);

private:
    void renderAtScale(double factor);
    void showPixmap(const QPixmap &pixmap);
    void colorsChanged();

    QPointer<QGraphicsView> m_view;
    QImage m_image;
    std::unique_ptr<IQImageScene> m_scene;
    QPixmap m_displayed;
    double m_scale = 1.0;
    double m_maxFitScale = 2.0;
    int m_rotation = 0;
    QGraphicsPixmapItem *m_item = nullptr;
    QPixmap m_source;
};
