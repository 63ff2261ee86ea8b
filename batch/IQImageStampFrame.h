#pragma once

#include "IQWatermarkFrame.h"

namespace Ui {
class IQImageStampFrame;
}

// The image watermark module: the picture stamped on every image, with its opacity, scale,
// angle and position.
class IQImageStampFrame : public IQWatermarkFrame
{
    Q_OBJECT

public:
    explicit IQImageStampFrame(QWidget *parent = nullptr);
    ~IQImageStampFrame() override;

    void setControlsEnabled(bool on);

private slots:
    void on_selectButn_clicked();
    void on_opacitySlider_valueChanged(int value);
    void on_scaleSlider_valueChanged(int value);
    void on_moduleCheck_stateChanged(int arg1);

private:
    void initUi();

    Ui::IQImageStampFrame *ui;
};
