#include "installer/core/start_up.h"
#include "installer/platform/system_platform.h"
#include "installer/ui/frm_install.h"
#include "installer/ui/message_questions.h"
#include "installer/ui/wizard.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qmi::SystemPlatform platform;
    qmi::MessageQuestions questions;
    qmi::InstallState state = qmi::prepareInstallState(platform, qmi::programFilesFolder());
    qmi::Wizard wizard(platform, questions, state, qmi::mountedDrives());
    QObject::connect(&wizard, &qmi::Wizard::finished, &app, &QApplication::quit);
    wizard.start();
    return app.exec();
}
