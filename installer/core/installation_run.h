#pragma once

#include "installer/core/install_values.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace qm::install {

class LogSink;
class Platform;
class Questions;

// The run's state keeps the captions in the source language; the window shows them translated
// in this context.
inline constexpr char kFinishContext[] = "FinishButton";
inline const QString kFinishNextCaption
    = QStringLiteral(QT_TRANSLATE_NOOP("FinishButton", "Suivant >"));
inline const QString kFinishCloseCaption
    = QStringLiteral(QT_TRANSLATE_NOOP("FinishButton", "Fermer"));

// What the log window's finish button shows once the run is over.
struct FinishButton
{
    QString caption = kFinishNextCaption;
    bool enabled = false;
};

using FinishChanged = std::function<void(const FinishButton &)>;

// The one run that places the release set on the machine. Tested and reported are the payload's
// presence, the replacement of a component, each program file copy and every file the run
// writes (shortcuts, uninstall data); everything else that fails is passed over so that the run
// gets as far as it can.
class InstallationRun
{
    Q_DECLARE_TR_FUNCTIONS(InstallationRun)

public:
    InstallationRun(Platform &platform, Questions &questions, LogSink &log,
        const PayloadTable &payload, InstallState &state);

    // The button's changes are handed out as they happen, not only at the end, since the error
    // message is shown in the middle of them.
    FinishButton runInstallation(
        const ShortcutChoice &choice, const FinishChanged &finishChanged = FinishChanged());

private:
    bool checkFiles();
    void createInstallFolder();
    bool placeComponents();
    void registerComponent(const QString &name);
    bool copyProgramFiles();
    // False when a shortcut could not be written; each such one is logged.
    bool createShortcuts(const ShortcutChoice &choice);
    bool makeShortcut(const QString &folder, const QString &linkName, const QString &target);
    bool writeUninstallFile();
    QString installFolder() const;

    bool copyInto(const QString &folder, const QString &source, const QString &target);
    FinishButton fail(const QString &message);
    void showFinish(const FinishButton &finish);
    void header(const QString &text);
    void item(const QString &name, const QString &outcome);

    Platform &m_platform;
    Questions &m_questions;
    LogSink &m_log;
    const PayloadTable &m_payload;
    InstallState &m_state;
    FinishChanged m_finishChanged;
};

} // namespace qm::install
