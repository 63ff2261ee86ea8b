#pragma once

#include "IQBatchModuleFrame.h"

class IQBatchSettings;
class QLabel;

// The base of the two watermark modules: the mark's angle and where it goes, each written to
// the batch record as its control changes. Both forms name these controls alike.
class IQWatermarkFrame : public IQBatchModuleFrame
{
    Q_OBJECT

public:
    explicit IQWatermarkFrame(QWidget *parent = nullptr);

protected:
    // Where the module's placement lives in the record, and the controls that follow it: the
    // number beside the angle slider and the x and y boxes of a custom position.
    struct Placement
    {
        int IQBatchSettings::*angle = nullptr;
        int IQBatchSettings::*position = nullptr;
        int IQBatchSettings::*x = nullptr;
        int IQBatchSettings::*y = nullptr;
        QLabel *angleValueLabel = nullptr;
        QWidget *customPositionWidget = nullptr;
    };
    // Call before the form's controls are first set, so that their handlers store the values.
    void setPlacement(const Placement &placement);

private slots:
    void on_angelSlider_valueChanged(int value);
    void on_positionComboBox_currentIndexChanged(int index);
    void on_xSpinBox_valueChanged(int arg1);
    void on_ySpinBox_valueChanged(int arg1);

private:
    Placement m_placement;
};
