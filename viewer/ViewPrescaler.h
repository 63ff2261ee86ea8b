#pragma once

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QThreadPool>

// Makes smooth copies of a still at the size it covers on screen, off the GUI thread, one at a
// time; the newest request wins and older copies are dropped when they arrive.
class ViewPrescaler : public QObject
{
    Q_OBJECT

public:
    explicit ViewPrescaler(QObject *parent = nullptr);
    // Waits for the copy being made, so that none is delivered after.
    ~ViewPrescaler() override;

    // A copy of source at size device pixels, for a screen of ratio dpr.
    void request(const QPixmap &source, const QSize &size, qreal dpr);
    // The copy on its way, if any, no longer fits what is shown.
    void cancel();

signals:
    void prescaled(const QPixmap &pixmap);

private:
    QThreadPool m_pool;
    int m_generation = 0;
};
