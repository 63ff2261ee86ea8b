#include "QPictureFlow.h"

#include <QCache>
#include <QHash>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kOne = 1024;          // 1.0 in the geometry's fixed point
constexpr int kFrameOne = 65536;    // one slide in the animator's 16.16 frame
constexpr int kAnimationTickMs = 30;
constexpr int kSurfaceCacheSize = 100;

const int kSineTable[65] = {
    3,    103,  202,  300,  394,  485,  571,  652,  726,  793,  853,  904,  947,
    980,  1004, 1019, 1023, 1018, 1003, 978,  944,  901,  849,  789,  721,  647,
    566,  479,  388,  294,  196,  97,   -4,   -104, -203, -301, -395, -486, -572,
    -653, -727, -794, -854, -905, -948, -981, -1005, -1020, -1024, -1019, -1004, -979,
    -945, -902, -850, -790, -722, -648, -567, -480, -389, -295, -197, -98,  3};

int slideBlend(int i)
{
    if (i == QPictureFlowState::kSideSlides - 1)
        return 0;
    if (i == QPictureFlowState::kSideSlides - 2)
        return 128;
    return 256;
}
} // namespace

// ---------------------------------------------------------------------------------------------

QPictureFlowState::QPictureFlowState()
    : leftSlides(kSideSlides)
    , rightSlides(kSideSlides)
{
}

void QPictureFlowState::reposition()
{
    const int h2 = slideWidth / 2;
    angle = 199;
    spacing = 40;
    offsetX = h2 * 677 + slideWidth * kOne;
    offsetY = h2 * 961 + slideWidth * 256;
}

void QPictureFlowState::reset()
{
    centerSlide = {centerIndex, 0, 0, 0, 256};
    for (int i = 0; i < kSideSlides; ++i) {
        const int distance = offsetX + spacing * i * kOne;
        leftSlides[i] = {centerIndex - 1 - i, angle, -distance, offsetY, slideBlend(i)};
        rightSlides[i] = {centerIndex + 1 + i, -angle, distance, offsetY, slideBlend(i)};
    }
}

// ---------------------------------------------------------------------------------------------

// Moves the centre towards a target slide, one 30 ms tick at a time.
class QPictureFlowAnimator
{
public:
    explicit QPictureFlowAnimator(QPictureFlowState *s)
        : state(s)
    {
        timer.setInterval(kAnimationTickMs);
    }

    void start(int slide)
    {
        target = slide;
        if (!timer.isActive()) {
            step = state->centerSlide.slideIndex > target ? -1 : 1;
            timer.start();
        }
    }

    void stop(int slide)
    {
        target = slide;
        step = 0;
        frame = slide * kFrameOne;
        timer.stop();
    }

    void update();

    QPictureFlowState *state;
    int target = 0;
    int step = 0;
    int frame = 0;
    QTimer timer;
};

void QPictureFlowAnimator::update()
{
    if (!timer.isActive() || step == 0 || !state)
        return;

    const int distance = std::abs(frame - target * kFrameOne);
    int speed = 2079;
    if (distance < 2 * kFrameOne)
        speed = 1056 + QPictureFlow::fixedSine((distance - kFrameOne) / 256);
    frame += speed * step * 16;

    int index = frame >> 16;
    const int pos = frame & 0xffff;
    const int neg = kFrameOne - pos;
    const int tick = step < 0 ? neg : pos;
    if (step < 0)
        ++index;
    const int ftick = tick / 64;

    QPictureFlowState &s = *state;
    if (s.centerIndex != index) {
        s.centerIndex = index;
        frame = index * kFrameOne;
        s.centerSlide.slideIndex = index;
        for (int i = 0; i < QPictureFlowState::kSideSlides; ++i) {
            s.leftSlides[i].slideIndex = index - 1 - i;
            s.rightSlides[i].slideIndex = index + 1 + i;
        }
    }

    s.centerSlide.angle = (tick * step * s.angle) >> 16;
    s.centerSlide.cx = -step * int(qint64(s.offsetX) * ftick / kOne);
    s.centerSlide.cy = int(qint64(s.offsetY) * ftick / kOne);

    if (s.centerIndex == target) {
        stop(target);
        s.reset();
        return;
    }

    for (int i = 0; i < QPictureFlowState::kSideSlides; ++i) {
        QPictureFlowSlideInfo &left = s.leftSlides[i];
        left.angle = s.angle;
        left.cx = -(s.offsetX + s.spacing * i * kOne + step * s.spacing * ftick);
        left.cy = s.offsetY;
        QPictureFlowSlideInfo &right = s.rightSlides[i];
        right.angle = -s.angle;
        right.cx = s.offsetX + s.spacing * i * kOne - step * s.spacing * ftick;
        right.cy = s.offsetY;
    }

    if (step > 0) {
        QPictureFlowSlideInfo &right = s.rightSlides[0];
        right.angle = -(neg * s.angle) / kFrameOne;
        right.cx = int(qint64(s.offsetX) * (neg / 64) / kOne);
        right.cy = int(qint64(s.offsetY) * (neg / 64) / kOne);
    } else {
        QPictureFlowSlideInfo &left = s.leftSlides[0];
        left.angle = (pos * s.angle) / kFrameOne;
        left.cx = -int(qint64(s.offsetX) * (pos / 64) / kOne);
        left.cy = int(qint64(s.offsetY) * (pos / 64) / kOne);
    }

    if (target < index && step > 0)
        step = -1;
    if (target > index && step < 0)
        step = 1;

    const int f = pos / 512;
    const int n = QPictureFlowState::kSideSlides;
    auto &l = s.leftSlides;
    auto &r = s.rightSlides;
    for (int i = 0; i < n - 3; ++i) {
        l[i].blend = 256;
        r[i].blend = 256;
    }
    if (step > 0) {
        l[n - 1].blend = 0;
        l[n - 2].blend = 128 - f;
        l[n - 3].blend = 256 - f;
        r[n - 1].blend = f;
        r[n - 2].blend = 128 + f;
        r[n - 3].blend = 256;
    } else {
        l[n - 1].blend = 128 - f;
        l[n - 2].blend = 256 - f;
        l[n - 3].blend = 256;
        r[n - 1].blend = 0;
        r[n - 2].blend = f;
        r[n - 3].blend = 128 + f;
    }
}

// ---------------------------------------------------------------------------------------------

class QPictureFlowAbstractRenderer
{
public:
    virtual ~QPictureFlowAbstractRenderer() = default;
    virtual void init() = 0;
    virtual void paint() = 0;

    QPictureFlowState *state = nullptr;
    bool dirty = false;
    QWidget *widget = nullptr;
};

// Draws the row into an RGB32 buffer of the widget's size by casting one ray per column.
class QPictureFlowSoftwareRenderer : public QPictureFlowAbstractRenderer
{
public:
    QPictureFlowSoftwareRenderer()
        : surfaceCache(kSurfaceCacheSize)
    {
    }

    void init() override;
    void paint() override;

    // Forgets the surfaces of the given slide, or of every slide from it on.
    void dropSurface(int index) { surfaceCache.remove(index); imageOfSurface.remove(index); }
    void dropSurfacesFrom(int index);
    void dropAllSurfaces();

    QSize size;
    QRgb background = 0;
    int effect = -1;
    QImage buffer;
    QVector<int> rays;
    std::unique_ptr<QImage> blankSurface;

private:
    void render();
    void renderSlides();
    QRect renderSlide(const QPictureFlowSlideInfo &slide, int col1, int col2);
    QImage *surface(int slideIndex);

    QCache<int, QImage> surfaceCache;
    QHash<int, const QImage *> imageOfSurface;
};

void QPictureFlowSoftwareRenderer::dropSurfacesFrom(int index)
{
    const QList<int> keys = surfaceCache.keys();
    for (int key : keys) {
        if (key >= index)
            dropSurface(key);
    }
}

void QPictureFlowSoftwareRenderer::dropAllSurfaces()
{
    surfaceCache.clear();
    imageOfSurface.clear();
}

void QPictureFlowSoftwareRenderer::init()
{
    if (!widget)
        return;
    dropAllSurfaces();
    size = widget->size();
    const int w = std::max(size.width(), 0);
    const int h = std::max(size.height(), 0);
    buffer = QImage(w, h, QImage::Format_RGB32);
    buffer.fill(background);

    const int r = (w + 1) / 2;
    const int d = 2 * ((h + 1) / 2);
    rays.fill(0, 2 * r);
    if (d > 0) {
        for (int i = 0; i < r; ++i) {
            const int g = (kOne * i + kOne / 2) / d;
            rays[r - 1 - i] = -g;
            rays[r + i] = g;
        }
    }
    dirty = true;
}

void QPictureFlowSoftwareRenderer::paint()
{
    if (!widget)
        return;
    if (widget->size() != size)
        init();
    if (state->backgroundColor != background || state->reflectionEffect != effect) {
        background = state->backgroundColor;
        effect = state->reflectionEffect;
        dropAllSurfaces();
        blankSurface.reset();
    }
    if (dirty)
        render();
    QPainter painter(widget);
    painter.drawImage(QPoint(0, 0), buffer);
}

void QPictureFlowSoftwareRenderer::render()
{
    buffer.fill(state->backgroundColor);
    renderSlides();
    dirty = false;
}

void QPictureFlowSoftwareRenderer::renderSlides()
{
    const int w = buffer.width();
    const QRect centre = renderSlide(state->centerSlide, 0, w - 1);
    int left = centre.isValid() ? centre.left() : w / 2;
    int right = centre.isValid() ? centre.right() : w / 2;

    // A side slide is drawn only into the columns its inner neighbours left free.
    for (const QPictureFlowSlideInfo &slide : qAsConst(state->leftSlides)) {
        if (left <= 0)
            break;
        const QRect rs = renderSlide(slide, 0, left - 1);
        if (rs.isValid())
            left = rs.left();
    }
    for (const QPictureFlowSlideInfo &slide : qAsConst(state->rightSlides)) {
        if (right >= w - 1)
            break;
        const QRect rs = renderSlide(slide, right + 1, w - 1);
        if (rs.isValid())
            right = rs.right();
    }
}

QImage *QPictureFlowSoftwareRenderer::surface(int slideIndex)
{
    if (!state || slideIndex < 0 || slideIndex >= int(state->slideImages.size()))
        return nullptr;

    const QImage *image = state->slideImages[size_t(slideIndex)].get();
    if (!image || image->isNull()) {
        if (!blankSurface) {
            const int sw = state->slideWidth;
            const int sh = state->slideHeight;
            QImage blank(sw, sh, QImage::Format_RGB32);
            QPainter painter(&blank);
            QLinearGradient gradient(QPointF(sw * 0.4, 0), QPointF(sw * 0.6, sh));
            gradient.setColorAt(0, Qt::black);
            gradient.setColorAt(1, Qt::white);
            painter.fillRect(0, 0, sw, sh, gradient);
            painter.setPen(QPen(QColor(64, 64, 64), 4));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(2, 2, sw - 3, sh - 3);
            painter.end();
            blankSurface = std::make_unique<QImage>(QPictureFlow::prepareSlide(
                blank, sw, sh, state->backgroundColor, state->reflectionEffect));
        }
        return blankSurface.get();
    }

    if (QImage *cached = surfaceCache.object(slideIndex)) {
        if (imageOfSurface.value(slideIndex) == image)
            return cached;
    }
    auto *prepared = new QImage(QPictureFlow::prepareSlide(
        *image, state->slideWidth, state->slideHeight, state->backgroundColor,
        state->reflectionEffect));
    imageOfSurface.insert(slideIndex, image);
    surfaceCache.insert(slideIndex, prepared, 1);
    return surfaceCache.object(slideIndex);
}

QRect QPictureFlowSoftwareRenderer::renderSlide(const QPictureFlowSlideInfo &slide, int col1,
                                                int col2)
{
    const int blend = slide.blend;
    if (blend <= 0)
        return QRect();
    const QImage *src = surface(slide.slideIndex);
    if (!src)
        return QRect();

    const int sw = src->height(); // the slide's width: surfaces are stored transposed
    const int sh = src->width();
    const int w = buffer.width();
    const int h = buffer.height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return QRect();

    if (col1 > col2)
        std::swap(col1, col2);
    col1 = col1 >= 0 ? col1 : 0;
    col2 = col2 >= 0 ? col2 : w - 1;
    col1 = std::min(col1, w - 1);
    col2 = std::min(col2, w - 1);

    const qint64 sdx = QPictureFlow::fixedCosine(slide.angle);
    const qint64 sdy = QPictureFlow::fixedSine(slide.angle);
    if (sdx == 0)
        return QRect();
    const qint64 cx = slide.cx;
    const qint64 cy = slide.cy;
    const qint64 xs = cx - state->slideWidth * sdx / 2;
    const qint64 ys = cy - state->slideWidth * sdy / 2;
    const qint64 denominator = qint64(h) * kOne + ys;
    if (denominator == 0)
        return QRect();
    const qint64 xi = std::max<qint64>(
        0, (((xs * h * (qint64(1) << 20)) / denominator) / kOne + qint64(w) * 512) / kOne);
    if (xi >= w)
        return QRect();

    int first = -1;
    int last = -1;
    const QRgb background = state->backgroundColor;
    uchar *bufferBits = buffer.bits();
    const qsizetype bufferStride = buffer.bytesPerLine();
    auto bufferPixel = [bufferBits, bufferStride](int x, int y) {
        return reinterpret_cast<QRgb *>(bufferBits + y * bufferStride) + x;
    };
    for (int x = std::max<int>(int(xi), col1); x <= col2; ++x) {
        qint64 hit = 0;
        qint64 fk = rays[x];
        if (sdy != 0) {
            fk = rays[x] - (sdx * kOne) / sdy;
            if (fk == 0)
                continue;
            hit = -((qint64(rays[x]) * h - cx + cy * sdx / sdy) * kOne) / fk;
        }
        const qint64 dist = qint64(h) * kOne + hit;
        if (dist < 0)
            continue;
        const qint64 column = sw / 2 + ((((dist * rays[x]) / kOne - cx) * kOne) / sdx) / kOne;
        if (column >= sw)
            break;
        if (column < 0)
            continue;

        if (first < 0)
            first = x;
        last = x;

        const qint64 dy = dist / h;
        qint64 p1 = qint64(sh / 2) * kOne - dy / 2;
        qint64 p2 = qint64(sh / 2) * kOne + dy / 2;
        const auto *row = reinterpret_cast<const QRgb *>(src->constScanLine(int(column)));
        int y1 = h / 2;
        int y2 = y1 + 1;
        while (y1 >= 0 && y2 < h && p1 >= 0 && (p2 >> 10) < sh) {
            QRgb c1 = row[p1 >> 10];
            QRgb c2 = row[p2 >> 10];
            if (blend < 256) {
                c1 = QPictureFlow::blendColor(c1, background, blend);
                c2 = QPictureFlow::blendColor(c2, background, blend);
            }
            *bufferPixel(x, y1) = c1;
            *bufferPixel(x, y2) = c2;
            p1 -= dy;
            p2 += dy;
            --y1;
            ++y2;
        }
    }
    if (first < 0)
        return QRect();
    return QRect(QPoint(first, 0), QPoint(last, h - 1));
}

// ---------------------------------------------------------------------------------------------

class QPictureFlowPrivate
{
public:
    QPictureFlowState state;
    std::unique_ptr<QPictureFlowAnimator> animator;
    std::unique_ptr<QPictureFlowSoftwareRenderer> renderer;
    QTimer triggerTimer;
};

QPictureFlow::QPictureFlow(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<QPictureFlowPrivate>())
{
    d->state.reposition();
    d->state.reset();

    d->renderer = std::make_unique<QPictureFlowSoftwareRenderer>();
    d->renderer->state = &d->state;
    d->renderer->widget = this;
    d->renderer->init();

    d->animator = std::make_unique<QPictureFlowAnimator>(&d->state);
    connect(&d->animator->timer, &QTimer::timeout, this, &QPictureFlow::updateAnimation);

    d->triggerTimer.setSingleShot(true);
    d->triggerTimer.setInterval(0);
    connect(&d->triggerTimer, &QTimer::timeout, this, &QPictureFlow::render);

    setAttribute(Qt::WA_StaticContents, true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
}

QPictureFlow::~QPictureFlow() = default;

const QPictureFlowState &QPictureFlow::state() const
{
    return d->state;
}

int QPictureFlow::fixedSine(int angle)
{
    const int a = angle & 1023;
    const int i = a >> 4;
    const int f = a & 15;
    return kSineTable[i] + ((kSineTable[i + 1] - kSineTable[i]) * f) / 16;
}

int QPictureFlow::fixedCosine(int angle)
{
    return fixedSine(angle + 256);
}

QRgb QPictureFlow::blendColor(QRgb c1, QRgb c2, int blend)
{
    const int r = qRed(c1) * blend / 256 + qRed(c2) * (256 - blend) / 256;
    const int g = qGreen(c1) * blend / 256 + qGreen(c2) * (256 - blend) / 256;
    const int b = qBlue(c1) * blend / 256 + qBlue(c2) * (256 - blend) / 256;
    return qRgb(r, g, b);
}

namespace {
// Two passes of a running average down, up, right and left over columns [x0, x1) of the
// surface; red, green and blue keep four fraction bits, alpha is left alone.
void blurReflection(QImage &img, int x0, int x1)
{
    const int height = img.height();
    uchar *bits = img.bits();
    const qsizetype stride = img.bytesPerLine();
    auto line = [bits, stride](int y) { return reinterpret_cast<QRgb *>(bits + y * stride); };
    auto smooth = [](int acc[3], QRgb &p) {
        const int channels[3] = {qRed(p), qGreen(p), qBlue(p)};
        for (int c = 0; c < 3; ++c)
            acc[c] += ((channels[c] << 4) - acc[c]) >> 1;
        p = qRgba(acc[0] >> 4, acc[1] >> 4, acc[2] >> 4, qAlpha(p));
    };
    auto seed = [](int acc[3], QRgb p) {
        acc[0] = qRed(p) << 4;
        acc[1] = qGreen(p) << 4;
        acc[2] = qBlue(p) << 4;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int x = x0; x < x1; ++x) {
            int acc[3];
            seed(acc, line(0)[x]);
            for (int y = 0; y < height; ++y)
                smooth(acc, line(y)[x]);
            seed(acc, line(height - 1)[x]);
            for (int y = height - 1; y >= 0; --y)
                smooth(acc, line(y)[x]);
        }
        for (int y = 0; y < height; ++y) {
            QRgb *p = line(y);
            int acc[3];
            seed(acc, p[x0]);
            for (int x = x0; x < x1; ++x)
                smooth(acc, p[x]);
            seed(acc, p[x1 - 1]);
            for (int x = x1 - 1; x >= x0; --x)
                smooth(acc, p[x]);
        }
    }
}
} // namespace

QImage QPictureFlow::prepareSlide(const QImage &image, int w, int h, QRgb background,
                                  int effect)
{
    if (w <= 0 || h <= 0)
        return QImage();

    QImage slide(w, h, QImage::Format_RGB32);
    slide.fill(background);
    if (!image.isNull()) {
        const QImage scaled = image.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&slide);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage((w - scaled.width()) / 2, (h - scaled.height()) / 2, scaled);
    }

    // Stored transposed, so that a screen column reads one surface row.
    const int hs = h / 3;
    QImage result(2 * h, w, QImage::Format_RGB32);
    result.fill(background);
    uchar *bits = result.bits();
    const qsizetype stride = result.bytesPerLine();
    auto surfaceRow = [bits, stride](int x) { return reinterpret_cast<QRgb *>(bits + x * stride); };
    auto copySlide = [&] {
        for (int y = 0; y < h; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(slide.constScanLine(y));
            for (int x = 0; x < w; ++x)
                surfaceRow(x)[hs + y] = src[x];
        }
    };
    copySlide();

    if (effect != NoReflection) {
        const int ht = h - hs;
        for (int y = 0; y < ht; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(slide.constScanLine(h - 1 - y));
            const int blend = 128 * (ht - y) / ht;
            for (int x = 0; x < w; ++x)
                surfaceRow(x)[h + hs + y] = blendColor(src[x], background, blend);
        }
        if (effect == BlurredReflection) {
            blurReflection(result, h, 2 * h);
            copySlide();
        }
    }
    return result;
}

QColor QPictureFlow::backgroundColor() const
{
    return QColor(d->state.backgroundColor);
}

void QPictureFlow::setBackgroundColor(const QColor &color)
{
    d->state.backgroundColor = color.rgb();
    triggerRender();
}

QSize QPictureFlow::slideSize() const
{
    return QSize(d->state.slideWidth, d->state.slideHeight);
}

void QPictureFlow::setSlideSize(QSize size)
{
    d->state.slideWidth = size.width();
    d->state.slideHeight = size.height();
    d->state.reposition();
    // Every surface, the blank one included, was made at the old size.
    d->state.reset();
    d->renderer->dropAllSurfaces();
    d->renderer->blankSurface.reset();
    triggerRender();
}

int QPictureFlow::reflectionEffect() const
{
    return d->state.reflectionEffect;
}

void QPictureFlow::setReflectionEffect(int effect)
{
    d->state.reflectionEffect = effect;
    triggerRender();
}

int QPictureFlow::slideCount() const
{
    return int(d->state.slideImages.size());
}

QImage QPictureFlow::slide(int index) const
{
    if (index < 0 || index >= slideCount() || !d->state.slideImages[size_t(index)])
        return QImage();
    return *d->state.slideImages[size_t(index)];
}

int QPictureFlow::centerIndex() const
{
    return d->state.centerIndex;
}

void QPictureFlow::addSlide(const QImage &image)
{
    d->state.slideImages.push_back(std::make_unique<QImage>(image));
    triggerRender();
}

void QPictureFlow::addSlide(const QPixmap &pixmap)
{
    addSlide(pixmap.toImage());
}

void QPictureFlow::removeSlide(int index)
{
    if (index < 0 || index >= slideCount())
        return;
    d->state.slideImages.erase(d->state.slideImages.begin() + index);
    // Every later slide moves down one place: their surfaces no longer match their index.
    d->renderer->dropSurfacesFrom(index);
    triggerRender();
}

void QPictureFlow::setSlide(int index, const QImage &image)
{
    if (index < 0 || index >= slideCount())
        return;
    auto &slot = d->state.slideImages[size_t(index)];
    slot.reset();
    if (!image.isNull())
        slot = std::make_unique<QImage>(image);
    // The new image may take the old one's address, so the surface is dropped by index.
    d->renderer->dropSurface(index);
    triggerRender();
}

void QPictureFlow::setSlide(int index, const QPixmap &pixmap)
{
    setSlide(index, pixmap.toImage());
}

void QPictureFlow::setCenterIndex(int index)
{
    index = std::min(index, slideCount() - 1);
    index = std::max(index, 0);
    d->state.centerIndex = index;
    d->state.reset();
    d->animator->stop(index);
    triggerRender();
}

void QPictureFlow::clear()
{
    d->state.slideImages.clear();
    d->state.reset();
    d->renderer->dropAllSurfaces();
    triggerRender();
}

void QPictureFlow::showPrevious()
{
    const int step = d->animator->step;
    const int center = d->state.centerIndex;
    if (step > 0)
        d->animator->start(center);
    else if (step == 0) {
        if (center > 0)
            d->animator->start(center - 1);
    } else {
        d->animator->target = std::max(0, center - 2);
    }
}

void QPictureFlow::showNext()
{
    const int step = d->animator->step;
    const int center = d->state.centerIndex;
    if (step < 0)
        d->animator->start(center);
    else if (step == 0) {
        if (center < slideCount() - 1)
            d->animator->start(center + 1);
    } else {
        d->animator->target = std::min(center + 2, slideCount() - 1);
    }
}

void QPictureFlow::showSlide(int index)
{
    index = std::max(index, 0);
    index = std::min(slideCount() - 1, index);
    if (index < 0 || index == d->state.centerSlide.slideIndex)
        return;
    d->animator->start(index);
}

void QPictureFlow::render()
{
    d->renderer->dirty = true;
    update();
}

void QPictureFlow::triggerRender()
{
    d->triggerTimer.start();
}

void QPictureFlow::updateAnimation()
{
    const int before = d->state.centerIndex;
    d->animator->update();
    triggerRender();
    if (d->state.centerIndex != before)
        emit centerIndexChanged(d->state.centerIndex);
}

void QPictureFlow::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() == Qt::ControlModifier;
    if (event->key() == Qt::Key_Left) {
        if (control)
            showSlide(centerIndex() - 10);
        else
            showPrevious();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Right) {
        if (control)
            showSlide(centerIndex() + 10);
        else
            showNext();
        event->accept();
        return;
    }
    event->ignore();
}

void QPictureFlow::mousePressEvent(QMouseEvent *event)
{
    if (event->x() > width() / 2)
        showNext();
    else
        showPrevious();
}

void QPictureFlow::paintEvent(QPaintEvent *)
{
    d->renderer->paint();
}

void QPictureFlow::resizeEvent(QResizeEvent *event)
{
    triggerRender();
    QWidget::resizeEvent(event);
}
