#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class IQBatchDialog;
}

class IQBatchSettings;

// The output options of a batch: folder, format, quality, frame duration and overwrite.
// Every control writes straight into the process-wide batch record as it changes; Convert
// only checks the folder and saves the two qualities.
class IQBatchDialog : public QDialog
{
    Q_OBJECT

public:
    explicit IQBatchDialog(QWidget *parent = nullptr);
    ~IQBatchDialog() override;

private slots:
    void on_convertButton_clicked();
    void on_cancelButton_clicked();
    void on_overwriteCheck_stateChanged(int arg1);
    void on_selectButton_clicked();
    void on_formatComboBox_currentIndexChanged(int index);
    void on_qualitySlider_valueChanged(int value);

private:
    void initUi();
    // A stored quality the slider cannot show is replaced, so the slider, the record and
    // the saved preference always agree.
    int sliderQuality(int quality) const;
    void showQuality(int quality);
    bool checkOutputDir();

    std::unique_ptr<Ui::IQBatchDialog> ui;
    IQBatchSettings *settings;
};
