#include "DebugLog.h"

namespace BrvTest {

namespace {

struct Collected
{
    QString label;
    QStringList lines;
    QtMessageHandler previous = nullptr;
};

Collected &collected()
{
    static Collected state;
    return state;
}

} // namespace

DebugLog::DebugLog(const QString &label)
{
    collected().label = label;
    collected().lines.clear();
    m_previous = qInstallMessageHandler(&DebugLog::handle);
    collected().previous = m_previous;
}

DebugLog::~DebugLog()
{
    qInstallMessageHandler(m_previous);
    collected().previous = nullptr;
}

QStringList DebugLog::lines() const
{
    return collected().lines;
}

void DebugLog::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Collected &state = collected();
    if (type == QtDebugMsg && message.startsWith(state.label))
        state.lines << message;
    else if (state.previous)
        state.previous(type, context, message);
}

} // namespace BrvTest
