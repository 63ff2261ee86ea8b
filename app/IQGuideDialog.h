#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class IQGuideDialog;
}

// A modal guide with a "Don't show again" choice, stored as the preference "/app/showGuide".
class IQGuideDialog : public QDialog
{
    Q_OBJECT

public:
    explicit IQGuideDialog(QWidget *parent = nullptr);
    ~IQGuideDialog() override;

private slots:
    void on_okButn_clicked();
    void on_showAgainChckButn_stateChanged(int arg1);

private:
    void setTexts();

    std::unique_ptr<Ui::IQGuideDialog> ui;
};
