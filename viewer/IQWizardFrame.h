#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class IQWizardFrame;
}

// The start page, shown until the first files arrive: a large import button above the
// invitation to drop photos on the window. Drops themselves go to the main window.
class IQWizardFrame : public QFrame
{
    Q_OBJECT

public:
    explicit IQWizardFrame(QWidget *parent = nullptr);
    ~IQWizardFrame() override;

    void setTexts();

signals:
    void select_file();

private slots:
    void on_importButn_clicked();

private:
    std::unique_ptr<Ui::IQWizardFrame> ui;
};
