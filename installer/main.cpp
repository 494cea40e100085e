#include "installer/core/start_up.h"
#include "installer/platform/system_platform.h"
#include "installer/ui/message_questions.h"
#include "installer/ui/wizard.h"
#include "language/ui_language.h"
#include "storage/program_log.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qm::nameProgramLog("qm.install");
    QApplication app(argc, argv);
    const QString language = qm::installUiLanguage(QStringLiteral("install"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The release set's own tests cannot click into this process. Given a folder here, the
    // wizard goes through its windows keeping every default, and tells the outcome by its exit
    // code; no message box waits for an answer.
    const QString unattendedPath = qEnvironmentVariable("QUILLMERE_UNATTENDED");
    const bool unattended = !unattendedPath.isEmpty();
    qm::install::SystemPlatform platform;
    qm::install::MessageQuestions boxes;
    qm::install::DefaultAnswers defaults;
    qm::install::Questions &questions
        = unattended ? static_cast<qm::install::Questions &>(defaults) : boxes;
    qm::install::InstallState state
        = qm::install::prepareInstallState(platform, qm::install::programFilesFolder());
    state.helpFile = qm::install::helpFileFor(language);
    qm::install::Wizard wizard(platform, questions, state, platform.mountedDrives());
    QObject::connect(&wizard, &qm::install::Wizard::finished, &app, &QApplication::quit);
    wizard.start();
    if (unattended) {
        if (!wizard.runUnattended(unattendedPath)) {
            std::fprintf(stderr, "%s\n", qPrintable(wizard.flow().pathError()));
            return 1;
        }
        return wizard.flow().finishButton().caption == qm::install::kFinishNextCaption ? 0 : 1;
    }
    return app.exec();
}
