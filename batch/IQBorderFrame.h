#pragma once

#include "IQBatchModuleFrame.h"

namespace Ui {
class IQBorderFrame;
}

// The border module: the width, colour and opacity of the frame drawn around every image.
// The opacity lives in the alpha of the record's border colour.
class IQBorderFrame : public IQBatchModuleFrame
{
    Q_OBJECT

public:
    explicit IQBorderFrame(QWidget *parent = nullptr);
    ~IQBorderFrame() override;

    void setControlsEnabled(bool on);

private slots:
    void on_widthSpinBox_valueChanged(int arg1);
    void onColorChanged(const QColor &color);
    void on_opacitySlider_valueChanged(int value);
    void on_moduleCheck_stateChanged(int arg1);

private:
    void initUi();

    Ui::IQBorderFrame *ui;
    int alpha = 255;
};
