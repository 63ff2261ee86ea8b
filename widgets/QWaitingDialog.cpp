#include "QWaitingDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>

#include "QProgressIndicator.h"

QWaitingDialog::QWaitingDialog(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("QWaitingDialog"));
    setWindowModality(Qt::ApplicationModal);
    resize(104, 104);
    setWindowOpacity(0.7);

    m_horizontalLayout = new QHBoxLayout(this);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_verticalWidget = new QWidget(this);
    m_verticalWidget->setObjectName(QStringLiteral("verticalWidget"));
    m_horizontalLayout2 = new QHBoxLayout(m_verticalWidget);
    m_horizontalLayout2->setObjectName(QStringLiteral("horizontalLayout_2"));
    m_horizontalLayout2->setContentsMargins(0, 0, 0, 0);
    m_progressIndictor = new QProgressIndicator(m_verticalWidget);
    m_progressIndictor->setObjectName(QStringLiteral("progressIndictor"));
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setHeightForWidth(m_progressIndictor->sizePolicy().hasHeightForWidth());
    m_progressIndictor->setSizePolicy(policy);
    m_progressIndictor->setMinimumSize(QSize(80, 80));
    m_progressIndictor->setMaximumSize(QSize(80, 80));
    m_progressIndictor->setBaseSize(QSize(0, 0));
    m_horizontalLayout2->addWidget(m_progressIndictor);
    m_horizontalLayout->addWidget(m_verticalWidget);
    setWindowTitle(QString());
    QMetaObject::connectSlotsByName(this);

    m_progressIndictor->setColor(Qt::white);
    m_progressIndictor->startAnimation();

    // A top-level dialog of its own, so exec() holds the application even when the caller
    // sets no window flags; a sub-window would sit inside its parent instead.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
}

QWaitingDialog::~QWaitingDialog()
{
    m_progressIndictor->stopAnimation();
}

void QWaitingDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    painter.setBrush(QColor(34, 34, 34, 128));
    painter.drawRoundedRect(0, 0, width() - 1, height() - 1, 12.0, 12.0, Qt::AbsoluteSize);
    QDialog::paintEvent(event);
}

void QWaitingDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject the dialog while the worker still runs.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QWaitingDialog::closeEvent(QCloseEvent *event)
{
    // A close from the window manager arrives spontaneously; only close() from code counts.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
