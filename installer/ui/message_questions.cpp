#include "installer/ui/message_questions.h"

#include "installer/ui/program_icon.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qm::install {

bool MessageQuestions::askYesNo(const QString &text, const QString &title, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
        QApplication::activeWindow());
    box.setWindowIcon(programIcon());
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("qm::install::MessageQuestions", "Oui"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("qm::install::MessageQuestions", "Non"));
    // Without a default, Enter would answer with whichever button the style lists first.
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageQuestions::showError(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setWindowIcon(programIcon());
    // Marked as the default, so that it shows as the one Enter presses.
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace qm::install
