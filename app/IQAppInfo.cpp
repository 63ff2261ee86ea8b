#include "IQAppInfo.h"

#include <QCoreApplication>
#include <QSettings>
#include <QUrl>
#include <QVariant>

#include "BVEnv.h"
#include "BVLinkTable.h"

namespace {

constexpr int kUpdateChannel = 1;
constexpr int kProductIndex = 14;
constexpr int kInternationalSite = 1;

bool isWebAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
               || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0);
}

} // namespace

namespace IQAppInfo {

QString applicationName()
{
    return QStringLiteral("Brivane WebP");
}

QString aboutNotice()
{
    return QCoreApplication::translate(
        "IQAppInfo", "Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.");
}

int updateChannel()
{
    return kUpdateChannel;
}

QSettings *settings()
{
    static QSettings *const iniFile =
        new QSettings(QStringLiteral("Settings.ini"), QSettings::IniFormat);
    return iniFile;
}

QString defaultUpdateUrl()
{
    return QStringLiteral("https://www.brivane.example/update/update.json");
}

QString updateUrl()
{
    QSettings *ini = settings();
    // QSettings keeps what it read first; syncing rereads a file that changed on disk. With
    // nothing to write, syncing creates no file.
    ini->sync();
    const QVariant value = ini->value(QStringLiteral("checkupdate/url"));
    // An unquoted comma makes the value a list, which is no address at all.
    if (value.userType() != QMetaType::QString)
        return defaultUpdateUrl();
    const QString url = value.toString();
    return isWebAddress(url) ? url : defaultUpdateUrl();
}

BVEnv *environment()
{
    static BVEnv *const env =
        new BVEnv(kProductIndex, applicationName(), kInternationalSite, languageMap());
    return env;
}

QMap<int, QString> languageMap()
{
    return BVEnv::defaultLanguages();
}

QLocale::Language systemLanguage()
{
    return QLocale().language();
}

QString homePageUrl()
{
    return BVLinkTable::internationalSiteUrl();
}

} // namespace IQAppInfo
