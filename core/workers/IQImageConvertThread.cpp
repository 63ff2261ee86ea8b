#include "workers/IQImageConvertThread.h"

#include "imaging/IQConvertEngine.h"

IQImageConvertThread::IQImageConvertThread(IQImageFile *imageFile, const QImage &image)
    : QThread(nullptr)
    , m_imageFile(imageFile)
    , m_image(image)
    , m_settings(*IQBatchSettings::instance())
{
}

void IQImageConvertThread::run()
{
    if (m_image.isNull())
        return;
    emit convertFinished(IQConvertEngine(&m_settings).process(m_image));
}
