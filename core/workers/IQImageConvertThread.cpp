#include "workers/IQImageConvertThread.h"

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"

IQImageConvertThread::IQImageConvertThread(IQImageFile *imageFile, const QImage &image)
    : QThread(nullptr)
    , m_imageFile(imageFile)
    , m_image(image)
{
}

void IQImageConvertThread::run()
{
    if (m_image.isNull())
        return;
    emit convertFinished(IQConvertEngine(IQBatchSettings::instance()).process(m_image));
}
