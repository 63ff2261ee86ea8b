#include "UrlCatcher.h"

#include <QDesktopServices>

namespace {

const char *const kSchemes[] = {"http", "https", "file"};

} // namespace

UrlCatcher::UrlCatcher()
{
    for (const char *scheme : kSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    for (const char *scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void UrlCatcher::open(const QUrl &url)
{
    urls << url;
}
