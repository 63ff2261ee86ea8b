#pragma once

#include <QDialog>

#include <memory>

#include "IQExportOptions.h"

namespace Ui {
class IQExportDialog;
}

class IQImageFile;

// The choices of one export: folder, base name, what to export, format, quality, frame
// duration and whether the batch modules apply. It works on a copy of the caller's record,
// which the caller reads back through exportOptions once exec has accepted.
class IQExportDialog : public QDialog
{
    Q_OBJECT

public:
    IQExportDialog(IQImageFile *imageFile, const IQExportOptions *options,
                   QWidget *parent = nullptr);
    ~IQExportDialog() override;

    // Writes the working values into the record.
    void exportOptions(IQExportOptions *options) const;

    // The file suffix of an output format, 0 to 4.
    static QString formatSuffix(int format);

private slots:
    void on_optionComboBox_currentIndexChanged(int index);
    void on_formatComboBox_currentIndexChanged(int index);
    void on_qualitySlider_valueChanged(int value);
    void on_durationSpinBox_valueChanged(int arg1);
    void on_nameEdit_textChanged(const QString &arg1);
    void on_applyCheckBox_stateChanged(int arg1);
    void on_selectButton_clicked();
    void on_convertButton_clicked();
    void on_cancelButton_clicked();

private:
    void initUi();
    void showQuality(int quality);
    bool checkOutputDir();

    std::unique_ptr<Ui::IQExportDialog> ui;
    IQImageFile *imageFile;
    int option = IQExportOptions::CurrentFrame;
    int format = 0;
    int quality = 90;
    int webpQuality = 90;
    int duration = 100;
    QString name;
    bool apply = true;
    QString outputDir;
};
