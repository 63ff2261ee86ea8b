#include "IQWatermarkFrame.h"

#include <QLabel>

#include "settings/IQBatchSettings.h"

IQWatermarkFrame::IQWatermarkFrame(QWidget *parent)
    : IQBatchModuleFrame(parent)
{
}

void IQWatermarkFrame::setPlacement(const Placement &placement)
{
    m_placement = placement;
}

void IQWatermarkFrame::on_angelSlider_valueChanged(int value)
{
    if (!m_placement.angle)
        return;
    IQBatchSettings::instance()->*m_placement.angle = value;
    m_placement.angleValueLabel->setNum(value);
}

void IQWatermarkFrame::on_positionComboBox_currentIndexChanged(int index)
{
    if (!m_placement.position)
        return;
    IQBatchSettings::instance()->*m_placement.position = index;
    m_placement.customPositionWidget->setVisible(index == IQWatermarkPosition::Custom);
}

void IQWatermarkFrame::on_xSpinBox_valueChanged(int arg1)
{
    if (m_placement.x)
        IQBatchSettings::instance()->*m_placement.x = arg1;
}

void IQWatermarkFrame::on_ySpinBox_valueChanged(int arg1)
{
    if (m_placement.y)
        IQBatchSettings::instance()->*m_placement.y = arg1;
}
