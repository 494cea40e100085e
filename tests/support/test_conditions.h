#pragma once

#include <QStringList>
#include <QTest>

#include <sys/types.h>
#include <unistd.h>

// A test that cannot run on this machine is skipped; where every test must run
// (QM_REQUIRE_ALL_TESTS=1, as CI sets it), that is a failure instead.
#define QM_SKIP(reason)                                                                            \
    do {                                                                                           \
        if (qEnvironmentVariableIntValue("QM_REQUIRE_ALL_TESTS") == 1)                             \
            QFAIL(reason);                                                                         \
        QSKIP(reason);                                                                             \
    } while (false)

namespace qm::test {

// While it lives, a process running as root acts as the unprivileged user nobody on the files
// given, which it hands over to that user first: a permission then means what it means for
// any user. For another user it changes nothing.
class AsAnotherUser
{
public:
    explicit AsAnotherUser(const QStringList &paths)
    {
        if (::geteuid() != 0)
            return;
        for (const QString &path : paths) {
            if (::chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
                return;
        }
        m_switched = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~AsAnotherUser()
    {
        if (m_switched && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("could not become root again");
    }
    Q_DISABLE_COPY(AsAnotherUser)

    // False when root could not hand the files over or change user.
    bool ready() const { return m_switched || ::geteuid() != 0; }

private:
    static constexpr uid_t kNobody = 65534;
    bool m_switched = false;
};

} // namespace qm::test
