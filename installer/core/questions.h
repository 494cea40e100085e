#pragma once

#include <QString>

namespace qmi {

// The wizard's one question to the user, answered by a message box or by a test.
class Questions
{
public:
    virtual ~Questions() = default;
    virtual bool askYesNo(const QString &text, const QString &title) = 0;
};

} // namespace qmi
