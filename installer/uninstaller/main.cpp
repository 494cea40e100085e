#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/platform/system_platform.h"
#include "installer/ui/message_questions.h"
#include "installer/ui/program_icon.h"
#include "installer/uninstaller/uninstall_dialog.h"
#include "language/ui_language.h"
#include "storage/program_log.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    qm::nameProgramLog("qm.uninstall");
    QApplication app(argc, argv);
    qm::installUiLanguage(QStringLiteral("install"));
    // Set by the release set's own tests: the removal goes ahead at once, the question about
    // the user's files gets its default answer (they are kept), the outcome goes to stderr.
    const bool unattended = !qEnvironmentVariable("QUILLMERE_UNATTENDED").isEmpty();
    const QString title = QCoreApplication::translate("Uninstall", "%1 - désinstallation")
                              .arg(qm::install::kProductName);
    auto report = [&title, unattended](QMessageBox::Icon icon, const QString &text) {
        if (unattended) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            return;
        }
        QMessageBox box(icon, title, text, QMessageBox::Ok);
        box.setWindowIcon(qm::install::programIcon());
        box.exec();
    };
    const QString folder = QCoreApplication::applicationDirPath();
    const auto data = qm::install::readUninstallData(
        qm::install::joinPath(folder, qm::install::kUninstallDataFileName));
    if (!data || data->productName != qm::install::kProductName) {
        report(QMessageBox::Critical,
            QCoreApplication::translate("Uninstall",
                "Le fichier uninstall.dat est absent ou illisible : rien n'a "
                "été supprimé."));
        return 1;
    }
    qm::install::MessageQuestions messageQuestions;
    qm::install::DefaultAnswers defaultAnswers;
    qm::install::Questions &questions
        = unattended ? static_cast<qm::install::Questions &>(defaultAnswers) : messageQuestions;
    qm::install::SystemPlatform platform;
    qm::install::UninstallDialog window(
        platform, qm::install::planUninstall(platform, folder, *data), questions);
    if (unattended)
        window.uninstall();
    else if (window.exec() != QDialog::Accepted && !window.stoppedByTracker())
        return 0;
    if (window.stoppedByTracker()) {
        report(QMessageBox::Warning,
            QCoreApplication::translate(
                "Uninstall", "Quillmere est en cours d'exécution : rien n'a été supprimé."));
        return 1;
    }
    const qm::install::UninstallResult &result = window.result();
    QString details;
    if (!result.removed.isEmpty())
        details += QCoreApplication::translate("Uninstall", "\n\nÉléments supprimés :\n")
            + result.removed.join(u'\n');
    if (!result.kept.isEmpty()) {
        details += QCoreApplication::translate("Uninstall",
                       "\n\nRaccourcis conservés, qui ne viennent pas de "
                       "cette installation :\n")
            + result.kept.join(u'\n');
    }
    if (result.failed.isEmpty()) {
        report(QMessageBox::Information,
            QCoreApplication::translate("Uninstall", "%1 a été désinstallé.")
                    .arg(qm::install::kProductName)
                + details);
        return 0;
    }
    report(QMessageBox::Warning,
        QCoreApplication::translate("Uninstall", "Ces éléments n'ont pas pu être supprimés :\n")
            + result.failed.join(u'\n') + details);
    return 1;
}
