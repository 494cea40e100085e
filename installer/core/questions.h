#pragma once

#include <QString>

#include <cstdio>

namespace qm::install {

enum class Answer { Yes, No };

// The questions to the user, answered by a message box or by a test. The default answer is the
// one Enter gives, so a question whose "Yes" destroys something defaults to "No".
class Questions
{
public:
    virtual ~Questions() = default;
    virtual bool askYesNo(const QString &text, const QString &title, Answer defaultAnswer) = 0;
    virtual void showError(const QString &text, const QString &title) = 0;
};

// Answers as a user pressing Enter would, when the program runs with no one at the keyboard.
class DefaultAnswers : public Questions
{
public:
    bool askYesNo(const QString &, const QString &, Answer defaultAnswer) override
    {
        return defaultAnswer == Answer::Yes;
    }
    // No one would see a message box: the error goes to the standard error.
    void showError(const QString &text, const QString &title) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text.trimmed()));
    }
};

} // namespace qm::install
