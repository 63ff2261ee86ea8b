#include "QToast.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kShowDurationMs = 200;
constexpr int kHideDurationMs = 1000;
constexpr double kNotPlaced = -1.0;
} // namespace

QToast::QToast(QWidget *parent)
    : QDialog(parent)
{
    // Inside a parent the toast is a frameless child window of it; alone it is a tool window.
    setWindowFlags(parent ? Qt::FramelessWindowHint : Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_AlwaysStackOnTop);
    setAttribute(Qt::WA_TranslucentBackground);
    // A child toast would otherwise appear with its parent; it waits to be shown.
    hide();

    m_effect = new QGraphicsOpacityEffect(this);
    m_effect->setOpacity(0.0);
    setGraphicsEffect(m_effect);

    // Neither animation has a start value, so each starts from the opacity shown now.
    m_hideAnimation = new QPropertyAnimation(m_effect, "opacity", this);
    m_hideAnimation->setEasingCurve(QEasingCurve::Linear);
    m_hideAnimation->setDuration(kHideDurationMs);
    m_hideAnimation->setEndValue(0.0);

    m_showAnimation = new QPropertyAnimation(m_effect, "opacity", this);
    m_showAnimation->setEasingCurve(QEasingCurve::Linear);
    m_showAnimation->setDuration(kShowDurationMs);
    m_showAnimation->setEndValue(1.0);

    connect(m_hideAnimation, &QPropertyAnimation::finished, this, &QWidget::hide);
}

QToast::~QToast()
{
    // The animations run on the effect, which goes with the toast: stop them before it does.
    m_hideAnimation->stop();
    m_showAnimation->stop();
    if (m_content) {
        m_content->setParent(nullptr);
        m_content->deleteLater();
    }
}

void QToast::setWidget(QWidget *widget)
{
    if (!widget)
        return;
    if (m_content) {
        m_content->setParent(nullptr);
        m_content->deleteLater();
    }
    // A widget keeps the first layout it is given, so a later content goes into that one.
    auto *box = qobject_cast<QVBoxLayout *>(layout());
    if (!box) {
        box = new QVBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        setLayout(box);
    }
    box->addWidget(widget);
    m_content = widget;
}

void QToast::setCentered()
{
    m_relativeX = 0.5;
    m_relativeY = 0.5;
}

void QToast::setRelativePosition(double x, double y)
{
    auto bounded = [](double v) { return v < 0.0 ? kNotPlaced : (v > 1.0 ? 1.0 : v); };
    m_relativeX = bounded(x);
    m_relativeY = bounded(y);
}

void QToast::hideAfter(int ms)
{
    if (ms >= 1)
        scheduleHide(ms);
}

void QToast::scheduleHide(int ms)
{
    // The timer belongs to the toast, so a toast deleted meanwhile is never reached.
    QTimer::singleShot(ms, this, [this] {
        if (m_animated)
            StartHideAnimation();
        else
            hide();
    });
}

double QToast::opacity() const
{
    return m_effect->opacity();
}

void QToast::StartShowAnimation()
{
    setVisible(true);
    m_hideAnimation->stop();
    m_showAnimation->start();
}

void QToast::StartHideAnimation()
{
    m_showAnimation->stop();
    m_hideAnimation->start();
}

void QToast::place()
{
    if (m_relativeX == kNotPlaced || m_relativeY == kNotPlaced)
        return;
    QSize reference;
    if (parentWidget())
        reference = parentWidget()->size();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        reference = screen->size();
    const int x = int(reference.width() * m_relativeX - width() * 0.5);
    const int y = int(reference.height() * m_relativeY - height() * 0.5);
    move(x, y);
}

void QToast::showEvent(QShowEvent *event)
{
    place();
    QDialog::showEvent(event);
    if (m_timeout >= 1)
        scheduleHide(m_timeout);
}

void QToast::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (m_deleteOnHide)
        deleteLater();
}
