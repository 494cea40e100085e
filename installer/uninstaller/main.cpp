#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/ui/message_questions.h"
#include "installer/uninstaller/frm_uninstall.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString title = qmi::kProductName + QStringLiteral(" - désinstallation");
    const auto data = qmi::readUninstallData(qmi::joinPath(folder, qmi::kUninstallDataFileName));
    if (!data || data->productName != qmi::kProductName) {
        QMessageBox::critical(nullptr, title,
            QStringLiteral("Le fichier uninstall.dat est absent ou illisible : rien n'a été "
                           "supprimé."));
        return 1;
    }
    qmi::MessageQuestions questions;
    qmi::frmUninstall window(qmi::planUninstall(folder, *data), questions);
    if (window.exec() != QDialog::Accepted)
        return 0;
    const qmi::UninstallResult &result = window.result();
    if (result.failed.isEmpty()) {
        QMessageBox::information(
            nullptr, title, qmi::kProductName + QStringLiteral(" a été désinstallé."));
        return 0;
    }
    QMessageBox::warning(nullptr, title,
        QStringLiteral("Ces éléments n'ont pas pu être supprimés :\n") + result.failed.join(u'\n'));
    return 1;
}
