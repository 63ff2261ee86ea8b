#include "ViewPrescaler.h"

#include <QImage>
#include <QRunnable>

ViewPrescaler::ViewPrescaler(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

ViewPrescaler::~ViewPrescaler()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void ViewPrescaler::request(const QPixmap &source, const QSize &size, qreal dpr)
{
    if (size.isEmpty())
        return;
    const int generation = ++m_generation;
    const QImage image = source.toImage();
    m_pool.clear();
    m_pool.start(QRunnable::create([this, generation, image, size, dpr] {
        QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(dpr);
        QMetaObject::invokeMethod(
            this,
            [this, generation, scaled] {
                if (generation == m_generation)
                    emit prescaled(QPixmap::fromImage(scaled));
            },
            Qt::QueuedConnection);
    }));
}

void ViewPrescaler::cancel()
{
    ++m_generation;
}
