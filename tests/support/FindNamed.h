#pragma once

#include <QObject>
#include <QString>

namespace BrvTest {

// The descendant of `root` with this object name and type, or null; forms keep their
// children private, so tests reach them by the names the forms give them.
template <typename T>
T *findNamed(const QObject *root, const char *name)
{
    return root->findChild<T *>(QString::fromLatin1(name));
}

} // namespace BrvTest
