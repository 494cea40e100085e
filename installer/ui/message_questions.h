#pragma once

#include "installer/core/questions.h"

namespace qm::install {

// The questions as plain Yes/No message boxes without an icon, the errors as critical ones.
class MessageQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
    void showError(const QString &text, const QString &title) override;
};

} // namespace qm::install
