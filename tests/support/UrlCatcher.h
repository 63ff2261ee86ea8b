#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Catches every QDesktopServices::openUrl for http, https and file addresses while it lives,
// so a test sees what the program would have opened and nothing reaches a browser or the
// desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url);
};
