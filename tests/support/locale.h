#pragma once

#include <QLocale>

namespace qm::test {

// The programs must show the same figures and texts whatever the system's locale: the tests run
// under the one the users have, and a test of that rule sets another one itself.
inline void useFrenchLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

} // namespace qm::test
