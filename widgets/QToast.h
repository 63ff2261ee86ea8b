#pragma once

#include <QDialog>
#include <QPointer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// A frameless, translucent tip around one content widget: it fades in, stays for its timeout
// and then hides itself, fading out when animated.
class QToast : public QDialog
{
    Q_OBJECT

public:
    explicit QToast(QWidget *parent = nullptr);
    ~QToast() override;

    void setWidget(QWidget *widget);
    QWidget *widget() const { return m_content; }

    void setTimeout(int ms) { m_timeout = ms; }
    int timeout() const { return m_timeout; }
    void setAnimated(bool animated) { m_animated = animated; }
    bool isAnimated() const { return m_animated; }
    void setDeleteOnHide(bool deleteOnHide) { m_deleteOnHide = deleteOnHide; }
    bool deletesOnHide() const { return m_deleteOnHide; }

    void setCentered();
    // The toast's centre as a fraction of the parent's size (or the screen's); a value below 0
    // means "not placed" and is kept as -1, one above 1 is kept as 1.
    void setRelativePosition(double x, double y);
    double relativeX() const { return m_relativeX; }
    double relativeY() const { return m_relativeY; }

    void hideAfter(int ms);
    void scheduleHide(int ms);

    // The opacity the toast is drawn with now, 0 (invisible) to 1.
    double opacity() const;

public slots:
    void StartShowAnimation();
    void StartHideAnimation();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_content;
    double m_relativeX = -1.0;
    double m_relativeY = -1.0;
    int m_timeout = -1;
    bool m_animated = true;
    bool m_deleteOnHide = false;
    QGraphicsOpacityEffect *m_effect = nullptr;
    QPropertyAnimation *m_hideAnimation = nullptr;
    QPropertyAnimation *m_showAnimation = nullptr;
};
