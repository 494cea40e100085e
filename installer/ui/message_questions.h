#pragma once

#include "installer/core/questions.h"

namespace qmi {

// The confirmation as a plain Yes/No message box, without an icon.
class MessageQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title) override;
};

} // namespace qmi
