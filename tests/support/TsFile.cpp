#include "TsFile.h"

#include <QFile>
#include <QXmlStreamReader>

#include "BrvTest.h"

namespace BrvTest {

TsFile readTsFile(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open %1").arg(path);
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("context")) {
                context.clear();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = TsMessage{context, QString(), QString(), QString()};
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages.append(message);
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

QString interfaceTsPath(const QString &suffix)
{
    return sourceDir() + QStringLiteral("/resources/qm/language") + suffix + QStringLiteral(".ts");
}

QString updateTsPath(const QString &suffix)
{
    return sourceDir() + QStringLiteral("/resources/update/update") + suffix + QStringLiteral(".ts");
}

} // namespace BrvTest
