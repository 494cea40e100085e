#pragma once

#include "installer/core/questions.h"

namespace qm::install {

// The questions as plain Yes/No message boxes, without an icon.
class MessageQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
};

} // namespace qm::install
