#pragma once

#include "IQWatermarkFrame.h"

namespace Ui {
class IQTextFrame;
}

// The text watermark module: the text, its font, style, colour, size and angle, and where on
// the image it goes.
class IQTextFrame : public IQWatermarkFrame
{
    Q_OBJECT

public:
    explicit IQTextFrame(QWidget *parent = nullptr);
    ~IQTextFrame() override;

    void setControlsEnabled(bool on);

private slots:
    void on_plainTextEdit_textChanged();
    void on_fontComboBox_currentFontChanged(const QFont &f);
    void on_styleComboBox_currentIndexChanged(int index);
    void onColorChanged(const QColor &color);
    void on_fontSizeComboBox_currentTextChanged(const QString &arg1);
    void on_fontSizeComboBox_currentIndexChanged(const QString &arg1);
    void on_moduleCheck_stateChanged(int arg1);

private:
    void initUi();

    Ui::IQTextFrame *ui;
};
