#include "IQBatchOptionFrame.h"
#include "ui_IQBatchOptionFrame.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "IQBorderFrame.h"
#include "IQImageStampFrame.h"
#include "IQRenameFrame.h"
#include "IQResizeFrame.h"
#include "IQRotateFrame.h"
#include "IQTextFrame.h"

namespace {

QString radioStyle(const QString &icon)
{
    return QStringLiteral("QRadioButton::indicator {width:24px;height:24px;border-radius:0px}"
                          "QRadioButton::indicator:checked {image: url(:/wc/icon/%1_highlight.png);}"
                          "QRadioButton::indicator:unchecked {image: url(:/wc/icon/%1.png);}")
        .arg(icon);
}

} // namespace

IQBatchOptionFrame::IQBatchOptionFrame(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::IQBatchOptionFrame)
{
    ui->setupUi(this);
    initUi();
}

IQBatchOptionFrame::~IQBatchOptionFrame()
{
    delete ui;
}

void IQBatchOptionFrame::initUi()
{
    ui->line->setStyleSheet(QStringLiteral("background-color: black;"));
    ui->line_control->setStyleSheet(QStringLiteral("background-color: black;"));

    resizeFrame = new IQResizeFrame(this);
    renameFrame = new IQRenameFrame(this);
    rotateFrame = new IQRotateFrame(this);
    borderFrame = new IQBorderFrame(this);
    textFrame = new IQTextFrame(this);
    stampFrame = new IQImageStampFrame(this);
    // The list index is the module's id, and so its button's id in the group.
    modules = {resizeFrame, renameFrame, rotateFrame, borderFrame, textFrame, stampFrame};
    for (IQBatchModuleFrame *module : qAsConst(modules)) {
        module->hide();
        ui->subFrameLayout->addWidget(module);
    }

    // In module id order; the border and image watermark buttons stay hidden.
    const struct {
        QRadioButton *radio;
        const char *icon;
        const char *toolTip;
    } buttons[] = {
        {ui->resizeRadio, "icon_resize", QT_TR_NOOP("IDS_RESIZE")},
        {ui->renameRadio, "icon_rename", QT_TR_NOOP("IDS_RENAME")},
        {ui->rotateRadio, "icon_rotate", QT_TR_NOOP("IDS_ROTATE")},
        {ui->borderRadio, "icon_border", QT_TR_NOOP("IDS_BORDER")},
        {ui->textRadio, "icon_text", QT_TR_NOOP("IDS_TEXT_STAMP")},
        {ui->stampRadio, "icon_stamp", QT_TR_NOOP("IDS_IMAGE_STAMP")},
    };
    buttonGroup = new QButtonGroup(this);
    buttonGroup->setExclusive(true);
    int id = 0;
    for (const auto &button : buttons) {
        button.radio->setStyleSheet(radioStyle(QLatin1String(button.icon)));
        button.radio->setToolTip(tr(button.toolTip));
        buttonGroup->addButton(button.radio, id++);
    }
    ui->borderRadio->hide();
    ui->stampRadio->hide();

    buttonGroup->button(0)->setChecked(true);
    connect(buttonGroup, &QButtonGroup::idToggled, this, &IQBatchOptionFrame::onGroupToggled);
    if (!modules.isEmpty())
        setCurrentModule(0);
}

void IQBatchOptionFrame::setCurrentModule(int index)
{
    IQBatchModuleFrame *old = modules.at(currentIndex);
    currentIndex = index;
    old->hide();
    old->deactivate();
    IQBatchModuleFrame *module = modules.at(index);
    module->activate();
    module->show();
}

void IQBatchOptionFrame::onGroupToggled(int id, bool status)
{
    if (status && id < modules.size())
        setCurrentModule(id);
}

QSize IQBatchOptionFrame::minimumSizeHint() const
{
    // Each module's minimum height is the panel's last height, so counting it here would keep
    // the window that holds the panel from ever getting smaller again.
    QSize hint = QFrame::minimumSizeHint();
    hint.setHeight(ui->moduleWidget->minimumSizeHint().height());
    return hint;
}

void IQBatchOptionFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const int h = height();
    for (IQBatchModuleFrame *module : qAsConst(modules))
        module->fitHeight(h, 0, 0);
}
