#include "QColorWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "QColorPreview.h"
#include "QColorSquare.h"
#include "QGradientSlider.h"

namespace {
constexpr QSize kMaximumSize(330, 128);
constexpr int kSmallFontPoints = 8;

// Plain boxes without arrow buttons; the values are typed or come from the square.
const char kSpinBoxStyle[] = "QSpinBox\n{\n\tborder:1px solid #242424;\nheight:14\n}\n \n"
                             "QSpinBox::up-button,QSpinBox::down-button\n{\n\twidth:0px;\n}\n";

QFont smallFont(const QWidget *widget)
{
    QFont font = widget->font();
    font.setPointSize(kSmallFontPoints);
    return font;
}

QLabel *channelLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(smallFont(parent));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QSpinBox *channelSpinBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setFont(smallFont(parent));
    box->setRange(0, 255);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(QString::fromLatin1(kSpinBoxStyle));
    return box;
}
} // namespace

QColorWidget::QColorWidget(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("QColorWidget"));
    resize(kMaximumSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMaximumSize(kMaximumSize);
    setWindowTitle(tr("Form"));

    auto *outerLayout = new QVBoxLayout(this);
    outerLayout->setObjectName(QStringLiteral("verticalLayout_2"));
    outerLayout->setSpacing(0);
    outerLayout->setContentsMargins(0, 0, 0, 0);
    auto *verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(0);
    outerLayout->addLayout(verticalLayout);

    auto *topRow = new QWidget(this);
    topRow->setObjectName(QStringLiteral("horizontalWidget"));
    topRow->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    topRow->setMaximumSize(QSize(QWIDGETSIZE_MAX, 48));
    auto *topLayout = new QHBoxLayout(topRow);
    topLayout->setObjectName(QStringLiteral("horizontalLayout"));
    topLayout->setSpacing(2);
    const QMargins defaults = topLayout->contentsMargins();
    topLayout->setContentsMargins(6, defaults.top(), 6, defaults.bottom());

    m_colorDescLabel = new QLabel(tr("Color:"), topRow);
    m_colorDescLabel->setObjectName(QStringLiteral("colorDescLabel"));
    m_colorDescLabel->setFont(smallFont(this));
    topLayout->addWidget(m_colorDescLabel);
    m_colorPreviewWidget = new QColorPreview(topRow);
    m_colorPreviewWidget->setObjectName(QStringLiteral("colorPreviewWidget"));
    m_colorPreviewWidget->setFixedSize(12, 12);
    topLayout->addWidget(m_colorPreviewWidget);
    topLayout->addItem(new QSpacerItem(4, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));

    m_rSpinBox = channelSpinBox(QStringLiteral("rSpinBox"), topRow);
    m_gSpinBox = channelSpinBox(QStringLiteral("gSpinBox"), topRow);
    m_bSpinBox = channelSpinBox(QStringLiteral("bSpinBox"), topRow);
    topLayout->addWidget(channelLabel(QStringLiteral("rDescLabel"), tr("R:"), topRow));
    topLayout->addWidget(m_rSpinBox);
    topLayout->addWidget(channelLabel(QStringLiteral("gDescLabel"), tr("G:"), topRow));
    topLayout->addWidget(m_gSpinBox);
    topLayout->addWidget(channelLabel(QStringLiteral("bDescLabel"), tr("B:"), topRow));
    topLayout->addWidget(m_bSpinBox);
    verticalLayout->addWidget(topRow);

    auto *bottomLayout = new QHBoxLayout();
    bottomLayout->setObjectName(QStringLiteral("horizontalLayout_2"));
    bottomLayout->setSpacing(4);
    const QMargins bottomDefaults = bottomLayout->contentsMargins();
    bottomLayout->setContentsMargins(6, bottomDefaults.top(), 6, bottomDefaults.bottom());
    m_colorSquareWidget = new QColorSquare(this);
    m_colorSquareWidget->setObjectName(QStringLiteral("colorSquareWidget"));
    bottomLayout->addWidget(m_colorSquareWidget);
    m_hueSlider = new QGradientSlider(this);
    m_hueSlider->setObjectName(QStringLiteral("hueSlider"));
    m_hueSlider->setMinimumSize(QSize(24, 0));
    m_hueSlider->setOrientation(Qt::Vertical);
    bottomLayout->addWidget(m_hueSlider);
    verticalLayout->addLayout(bottomLayout);

    for (QSpinBox *box : {m_rSpinBox, m_gSpinBox, m_bSpinBox})
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &QColorWidget::onRGBChanged);
    connect(m_hueSlider, &QSlider::valueChanged, this, &QColorWidget::onHSVChanged);

    QVector<QColor> hues;
    for (int h = 0; h < 360; h += 60)
        hues.append(QColor::fromHsv(h, 255, 255, 255));
    hues.append(Qt::red);
    m_hueSlider->setColors(hues);
    m_hueSlider->setMaximum(359);
    m_hueSlider->setValue(0);

    connect(m_colorSquareWidget, &QColorSquare::colorSelected, this,
            &QColorWidget::onColorChanged);
}

QColorWidget::~QColorWidget() = default;

void QColorWidget::setLabelText(const QString &text)
{
    m_colorDescLabel->setText(text);
    m_colorDescLabel->setVisible(!text.isEmpty());
}

void QColorWidget::setChildSignalsBlocked(bool blocked)
{
    blockSignals(blocked);
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->blockSignals(blocked);
}

void QColorWidget::onColorChanged()
{
    // The spin boxes follow the square without reporting back.
    setChildSignalsBlocked(true);
    const QColor color = m_colorSquareWidget->color();
    m_rSpinBox->setValue(color.red());
    m_gSpinBox->setValue(color.green());
    m_bSpinBox->setValue(color.blue());
    m_colorPreviewWidget->setColor(color);
    setChildSignalsBlocked(false);
    emit colorChanged(color);
}

void QColorWidget::onRGBChanged()
{
    if (signalsBlocked())
        return;
    m_colorSquareWidget->setColor(
        QColor(m_rSpinBox->value(), m_gSpinBox->value(), m_bSpinBox->value()));
    onColorChanged();
}

void QColorWidget::onHSVChanged()
{
    if (signalsBlocked())
        return;
    const QColor current = m_colorSquareWidget->color();
    m_colorSquareWidget->setColor(
        QColor::fromHsv(m_hueSlider->value(), current.hsvSaturation(), current.value(), 255));
    onColorChanged();
}
