#include "settings/IQBatchSettings.h"

#include "settings/IQSettings.h"

IQBatchSettings *IQBatchSettings::instance()
{
    // Created on first use and never destroyed: it lives as long as the process.
    static IQBatchSettings *settings = new IQBatchSettings;
    return settings;
}

IQBatchSettings::IQBatchSettings()
{
    load();
}

void IQBatchSettings::load()
{
    IQSettings *store = IQSettings::instance();
    outputDir = store->lastBatchDir();
    quality = store->quality();
    webpQuality = store->webpQuality();
}

QString IQBatchSettings::outputSuffix() const
{
    return suffixOf(format);
}

QString IQBatchSettings::suffixOf(int format)
{
    switch (format) {
    case IQOutputFormat::Png:
        return QStringLiteral("png");
    case IQOutputFormat::Bmp:
        return QStringLiteral("bmp");
    case IQOutputFormat::Gif:
        return QStringLiteral("gif");
    case IQOutputFormat::Webp:
        return QStringLiteral("webp");
    default:
        return QStringLiteral("jpg");
    }
}
