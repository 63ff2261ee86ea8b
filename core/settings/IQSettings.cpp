#include "settings/IQSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kLastOpenDir = QStringLiteral("/app/lastOpenDir");
const QString kLastSaveDir = QStringLiteral("/app/lastSaveDir");
const QString kShowGuide = QStringLiteral("/app/showGuide");
const QString kQuality = QStringLiteral("/batch/quality");
const QString kWebpQuality = QStringLiteral("/batch/webpquality");
const QString kOverwrite = QStringLiteral("/batch/overwrite");
const QString kCombineAsGif = QStringLiteral("/batch/combineAsGif");
const QString kLastBatchDir = QStringLiteral("/batch/lastBatchDir");

} // namespace

IQSettings *IQSettings::instance()
{
    // Created on first use and never destroyed: it lives as long as the process.
    static IQSettings *settings = new IQSettings;
    return settings;
}

IQSettings::IQSettings()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QFileInfo::exists(dir))
        QDir().mkdir(dir);
    m_settings = std::make_unique<QSettings>(dir + QLatin1Char('/') + QStringLiteral("IQSettings.ini"),
                                             QSettings::IniFormat);
    m_settings->setAtomicSyncRequired(true);
}

IQSettings::~IQSettings() = default;

QString IQSettings::fileName() const
{
    return m_settings->fileName();
}

int IQSettings::intValue(const QString &key, const QString &defaultText) const
{
    // Text that is not a number reads as 0.
    return m_settings->value(key, defaultText).toString().toInt();
}

void IQSettings::setIntValue(const QString &key, int value)
{
    setTextValue(key, QString::number(value, 10));
}

void IQSettings::setTextValue(const QString &key, const QString &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QString IQSettings::folderValue(const QString &key) const
{
    const QString stored = m_settings->value(key).toString();
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty())
        return pictures.first();
    return QDir::currentPath();
}

QString IQSettings::lastOpenDir() const { return folderValue(kLastOpenDir); }
QString IQSettings::lastSaveDir() const { return m_settings->value(kLastSaveDir).toString(); }
int IQSettings::showGuide() const { return intValue(kShowGuide, QStringLiteral("1")); }
int IQSettings::quality() const { return intValue(kQuality, QStringLiteral("90")); }
int IQSettings::webpQuality() const { return intValue(kWebpQuality, QStringLiteral("90")); }
int IQSettings::overwrite() const { return intValue(kOverwrite, QStringLiteral("1")); }
int IQSettings::combineAsGif() const { return intValue(kCombineAsGif, QStringLiteral("1")); }
QString IQSettings::lastBatchDir() const { return folderValue(kLastBatchDir); }

void IQSettings::setLastOpenDir(const QString &dir) { setTextValue(kLastOpenDir, dir); }
void IQSettings::setLastSaveDir(const QString &dir) { setTextValue(kLastSaveDir, dir); }
void IQSettings::setShowGuide(int value) { setIntValue(kShowGuide, value); }
void IQSettings::setQuality(int value) { setIntValue(kQuality, value); }
void IQSettings::setWebpQuality(int value) { setIntValue(kWebpQuality, value); }
void IQSettings::setOverwrite(int value) { setIntValue(kOverwrite, value); }
void IQSettings::setCombineAsGif(int value) { setIntValue(kCombineAsGif, value); }
void IQSettings::setLastBatchDir(const QString &dir) { setTextValue(kLastBatchDir, dir); }
