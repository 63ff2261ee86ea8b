#pragma once

#include <QList>
#include <QString>

namespace BrvTest {

// One message of a Qt translation source (.ts).
struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type; // the translation's "type" attribute: empty, "unfinished", "obsolete", ...
};

// A translation source as written, in file order, read with QXmlStreamReader.
struct TsFile
{
    QString language; // the TS element's "language" attribute
    QList<TsMessage> messages;
    QString error; // empty when the file opened and parsed
};

TsFile readTsFile(const QString &path);

// The translation sources under BRV_SOURCE_DIR: resources/qm/language<suffix>.ts and
// resources/update/update<suffix>.ts.
QString interfaceTsPath(const QString &suffix);
QString updateTsPath(const QString &suffix);

} // namespace BrvTest
