#include "tracker/ui/first_run_dialog.h"

#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/window_focus.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qm {

namespace {

QString welcomeHtml()
{
    const QString heading = QStringLiteral("<p style=\"color:#008000; font-weight:bold;\">%1</p>");
    const QString plain = QStringLiteral("<p>%1</p>");
    return QStringLiteral("<div style=\"font-family:Arial; font-size:10pt;\">"
                          "<p style=\"color:#ff0000; font-weight:bold; font-size:12pt;\">")
        + QCoreApplication::translate("qm::FirstRunDialog", "BIENVENUE") + QStringLiteral("</p>")
        + heading.arg(
            QCoreApplication::translate("qm::FirstRunDialog", "Merci d'utiliser Quillmere.")
                .toHtmlEscaped())
        + heading.arg(
            QCoreApplication::translate("qm::FirstRunDialog", "Premier démarrage de Quillmere.")
                .toHtmlEscaped())
        + plain.arg(QCoreApplication::translate("qm::FirstRunDialog",
            "La première chose à faire avant d'utiliser Quillmere est de "
            "définir une liste (initiale) de vos activités. Lors de la "
            "première exécution, le programme démarre directement "
            "l'éditeur d'activités.")
                        .toHtmlEscaped())
        + plain.arg(QCoreApplication::translate("qm::FirstRunDialog",
            "Par la suite, l'éditeur reste accessible à tout moment, vous "
            "permettant de modifier la liste de vos activités au fur et à "
            "mesure que de nouvelles apparaissent ou que d'autres se "
            "terminent définitivement.")
                        .toHtmlEscaped())
        + QStringLiteral("</div>");
}

} // namespace

FirstRunDialog::FirstRunDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFirstExe"));
    setWindowTitle(tr("Quillmere - Première exécution"));
    setWindowIcon(programIcon());
    setModal(true);
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("RichTextBox1"));
    text->setReadOnly(true);
    text->setHtml(welcomeHtml());
    text->setMinimumSize(420, 260);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setPixmap(programPicture(64));
    auto *close = new QPushButton(tr("Fermer"), this);
    close->setObjectName(QStringLiteral("cmdOK"));
    // Enter closes the window, as its one button shows.
    close->setDefault(true);
    giveMnemonics({ close });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void FirstRunDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A question must never open behind the window that asked it.
    bringToFront(this, findChild<QPushButton *>(QStringLiteral("cmdOK")));
}

} // namespace qm
