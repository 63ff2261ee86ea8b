#include "IQBatchModuleFrame.h"

#include <QCheckBox>
#include <QLabel>

namespace {

const char kModuleCheckStyle[] =
    "QCheckBox::indicator {width:24px;height:14px;border-radius:0px}"
    "QCheckBox::indicator:checked {image: url(:/wc/icon/check_on.png);}"
    "QCheckBox::indicator:unchecked {image: url(:/wc/icon/check_off.png);}";

} // namespace

IQBatchModuleFrame::IQBatchModuleFrame(QWidget *parent)
    : QFrame(parent)
{
}

void IQBatchModuleFrame::fitHeight(int height, int a, int b)
{
    setMinimumHeight(height - a - b);
}

void IQBatchModuleFrame::activate()
{
}

void IQBatchModuleFrame::deactivate()
{
}

void IQBatchModuleFrame::setupHeader(QLabel *nameLabel, const QString &title,
                                     QCheckBox *moduleCheck, bool enabled, QFrame *moduleLine)
{
    nameLabel->setText(title);
    moduleCheck->setStyleSheet(QString::fromLatin1(kModuleCheckStyle));
    moduleCheck->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    moduleCheck->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
    if (moduleLine)
        moduleLine->setStyleSheet(QStringLiteral("background-color: black;"));
}

QStringList IQBatchModuleFrame::positionItems(const QMetaObject &context)
{
    static const char *const keys[] = {"IDS_TOP_LEFT",     "IDS_BOTTOM_LEFT",  "IDS_CENTER",
                                       "IDS_TOP_RIGHT",    "IDS_BOTTOM_RIGHT", "IDS_TOP_MIDDLE",
                                       "IDS_BOTTOM_CENTER", "IDS_CUSTOM"};
    QStringList items;
    for (const char *key : keys)
        items << context.tr(key, nullptr);
    return items;
}
