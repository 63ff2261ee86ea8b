#pragma once

#include <QFrame>
#include <QList>

class QButtonGroup;
class IQBatchModuleFrame;
class IQBorderFrame;
class IQImageStampFrame;
class IQRenameFrame;
class IQResizeFrame;
class IQRotateFrame;
class IQTextFrame;

namespace Ui {
class IQBatchOptionFrame;
}

// The module panel beside the tile page: the batch module frames, one shown at a time, and
// the column of icon buttons that picks it.
class IQBatchOptionFrame : public QFrame
{
    Q_OBJECT

public:
    explicit IQBatchOptionFrame(QWidget *parent = nullptr);
    ~IQBatchOptionFrame() override;

    // Shows the module with this id and hides the one shown before; `index` must be valid.
    void setCurrentModule(int index);

    // The modules' fitted heights are left out: they follow the panel, they do not hold it.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onGroupToggled(int id, bool status);

private:
    void initUi();

    Ui::IQBatchOptionFrame *ui;
    QButtonGroup *buttonGroup = nullptr;
    QList<IQBatchModuleFrame *> modules;
    IQResizeFrame *resizeFrame = nullptr;
    IQRenameFrame *renameFrame = nullptr;
    IQRotateFrame *rotateFrame = nullptr;
    IQBorderFrame *borderFrame = nullptr;
    IQTextFrame *textFrame = nullptr;
    IQImageStampFrame *stampFrame = nullptr;
    int currentIndex = 0;
};
