#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include <memory>

class QPictureFlowPrivate;
class QPictureFlowState;

// A cover-flow row of pictures: the centre slide faces the viewer and the others stand tilted
// to its left and right. Rendered in software by ray casting in fixed point (1024 = 1.0) and
// animated every 30 ms when the centre moves.
class QPictureFlow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QSize slideSize READ slideSize WRITE setSlideSize)
    Q_PROPERTY(int slideCount READ slideCount)
    Q_PROPERTY(int centerIndex READ centerIndex WRITE setCenterIndex)

public:
    enum ReflectionEffect { NoReflection = 0, PlainReflection = 1, BlurredReflection = 2 };

    explicit QPictureFlow(QWidget *parent = nullptr);
    ~QPictureFlow() override;

    QColor backgroundColor() const;
    void setBackgroundColor(const QColor &color);
    QSize slideSize() const;
    void setSlideSize(QSize size);
    int reflectionEffect() const;
    void setReflectionEffect(int effect);

    int slideCount() const;
    QImage slide(int index) const;
    int centerIndex() const;

    // The state the renderer draws from; read by tests.
    const QPictureFlowState &state() const;

    // Fixed-point trigonometry over angles in 1/1024 of a full turn; 1024 stands for 1.0.
    static int fixedSine(int angle);
    static int fixedCosine(int angle);
    static QRgb blendColor(QRgb c1, QRgb c2, int blend);
    static QImage prepareSlide(const QImage &image, int width, int height, QRgb background,
                               int effect);

signals:
    void centerIndexChanged(int index);

public slots:
    void addSlide(const QImage &image);
    void addSlide(const QPixmap &pixmap);
    void removeSlide(int index);
    void setSlide(int index, const QImage &image);
    void setSlide(int index, const QPixmap &pixmap);
    void setCenterIndex(int index);
    void clear();
    void showPrevious();
    void showNext();
    void showSlide(int index);
    void render();
    void triggerRender();
    void updateAnimation();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::unique_ptr<QPictureFlowPrivate> d;
};

// One placed slide; cx and cy in fixed point, blend 0 (invisible) to 256 (opaque).
struct QPictureFlowSlideInfo
{
    int slideIndex = 0;
    int angle = 0;
    int cx = 0;
    int cy = 0;
    int blend = 256;
};

// The row's geometry and pictures.
class QPictureFlowState
{
public:
    static constexpr int kSideSlides = 6;

    QPictureFlowState();

    // Distances of the first side slide from the centre, from the slide width.
    void reposition();
    // Places every slide at rest around the centre index.
    void reset();

    QRgb backgroundColor = 0;
    int slideWidth = 150;
    int slideHeight = 200;
    int reflectionEffect = 0;
    std::vector<std::unique_ptr<QImage>> slideImages;
    int angle = 199;
    int spacing = 40;
    int offsetX = 0;
    int offsetY = 0;
    QPictureFlowSlideInfo centerSlide;
    QVector<QPictureFlowSlideInfo> leftSlides;
    QVector<QPictureFlowSlideInfo> rightSlides;
    int centerIndex = 0;
};
