#pragma once

#include <QObject>
#include <QTest>

namespace qm::test {

// The child of `parent` named `name`. A missing one fails the running test, and a stand-in is
// handed back so that the test function runs on harmlessly to its end: a qFatal here would end
// the whole executable, and the other test functions with it.
template<typename T> T *findWidget(QObject *parent, const QString &name)
{
    if (T *found = parent ? parent->findChild<T *>(name) : nullptr)
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no widget named %1").arg(name)), __FILE__, __LINE__);
    static T *standIn = new T;
    return standIn;
}

} // namespace qm::test
