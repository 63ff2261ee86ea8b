#pragma once

#include <QFrame>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

// The base of every batch module frame: the operations the module panel calls on a module,
// and the header that every module form carries (title, on/off check box, dividing line).
// A module keeps no values of its own; its controls write the batch record as they change.
class IQBatchModuleFrame : public QFrame
{
    Q_OBJECT

public:
    explicit IQBatchModuleFrame(QWidget *parent = nullptr);

    // Makes the frame at least as tall as the panel that holds it, less the given margins.
    virtual void fitHeight(int height, int a, int b);
    // Called when the panel shows or hides the module.
    virtual void activate();
    virtual void deactivate();

protected:
    // Sets up the module header: the title, the on/off switch ticked exactly when `enabled`
    // and, when given, the black dividing line. Runs no handler of the switch when it is
    // already in that state.
    static void setupHeader(QLabel *nameLabel, const QString &title, QCheckBox *moduleCheck,
                            bool enabled, QFrame *moduleLine = nullptr);

    // The watermark position items, in IQWatermarkPosition order, translated in the context
    // of the module that shows them.
    static QStringList positionItems(const QMetaObject &context);
};
