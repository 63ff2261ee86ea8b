#pragma once

#include <QDialog>

class QHBoxLayout;
class QProgressIndicator;

// A modal hold while a worker runs: a dark, half-transparent rounded square with a white
// spinner. Only the worker's end closes it (close()); Escape and the window manager cannot.
class QWaitingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QWaitingDialog(QWidget *parent = nullptr);
    ~QWaitingDialog() override;

    QProgressIndicator *progressIndicator() const { return m_progressIndictor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QHBoxLayout *m_horizontalLayout = nullptr;
    QWidget *m_verticalWidget = nullptr;
    QHBoxLayout *m_horizontalLayout2 = nullptr;
    QProgressIndicator *m_progressIndictor = nullptr;
};
