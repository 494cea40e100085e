#pragma once

#include "installer/core/questions.h"

namespace qmi {

// The questions as plain Yes/No message boxes, without an icon.
class MessageQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
};

} // namespace qmi
