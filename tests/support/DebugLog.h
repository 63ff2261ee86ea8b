#pragma once

#include <QString>
#include <QStringList>
#include <QtMessageHandler>

namespace BrvTest {

// Collects, while it lives, the debug-log lines that begin with a label ("Changelog:", say);
// every other message goes on to the handler that was there before. One at a time.
class DebugLog
{
public:
    explicit DebugLog(const QString &label);
    ~DebugLog();
    DebugLog(const DebugLog &) = delete;
    DebugLog &operator=(const DebugLog &) = delete;

    QStringList lines() const;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous = nullptr;
};

} // namespace BrvTest
