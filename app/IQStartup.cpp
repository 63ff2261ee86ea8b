#include "IQStartup.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "IQAppInfo.h"
#include "IQTranslators.h"
#include "documents/QHEICMovie.h"
#include "documents/QStdMovie.h"

namespace {
constexpr int kFontPixelSize = 13;
} // namespace

namespace IQStartup {

void prepareApplication()
{
    QFont font;
    font.setFamily(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixelSize);
    QApplication::setFont(font);
    QGuiApplication::setApplicationDisplayName(IQAppInfo::applicationName());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    installTranslators();

    // The frame sources cannot be copied: only pointers to them travel.
    qRegisterMetaType<QHEICMovie *>("QHEICMovie*");
    qRegisterMetaType<QStdMovie *>("QStdMovie*");
}

} // namespace IQStartup
