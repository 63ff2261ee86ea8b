#pragma once

#include <QLocale>
#include <QMap>
#include <QString>

class BVEnv;
class QSettings;

// The application's fixed facts: its name, the about box's notice, the update channel and the
// address of the update feed, which an optional "Settings.ini" in the working folder overrides.
namespace IQAppInfo {

QString applicationName();
QString aboutNotice();
int updateChannel();

// The read-only "Settings.ini" of the working folder at first use; never written.
QSettings *settings();

// The feed address of "checkupdate/url" as the file stands now, or the built-in address when
// the file, the key or a usable http(s) address is missing.
QString updateUrl();
QString defaultUpdateUrl();

// The process-wide web-link builder of the help, FAQ and support pages.
BVEnv *environment();
QMap<int, QString> languageMap();
QLocale::Language systemLanguage();
QString homePageUrl();

} // namespace IQAppInfo
