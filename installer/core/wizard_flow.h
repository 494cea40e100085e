#pragma once

#include "installer/core/installation_run.h"

#include <QObject>

namespace qm::install {

class LogSink;
class Platform;
class Questions;

enum class WizardPage { About, Install, Short, Log, End, Closed };

// The wizard's states and transitions; the windows only show the page this names and pass on
// what the user does. There is no way back, and every way out goes through quit().
class WizardFlow : public QObject
{
    Q_OBJECT

public:
    WizardFlow(Platform &platform, Questions &questions, InstallState &state);

    WizardPage page() const { return m_page; }
    const FinishButton &finishButton() const { return m_finish; }
    const InstallState &state() const { return m_state; }
    Platform &platform() { return m_platform; }
    QString windowTitle() const;

    void aboutNext();
    // A folder picked in the folder list proposes the product's folder inside it; the text
    // shown to the user and the installation path then agree until the user types.
    QString folderClicked(const QString &entry);
    // False, staying on the folder window with pathError() to show, for a path that cannot be
    // an installation folder.
    bool installNext(const QString &typedPath);
    const QString &pathError() const { return m_pathError; }
    // The log window must be on screen before the run starts, so that it reports into it.
    void shortNext(const ShortcutChoice &choice, LogSink &log);
    void logFinish();
    void endFinish();

    // "Abandon", or the frame's close box on the first three windows; true when it quits.
    bool cancel();
    // The frame's close box: asks like "Abandon" where there is one, quits once the run has
    // ended, and is ignored while the run is going.
    void closeRequested();

signals:
    void pageChanged(qm::install::WizardPage page);
    void finishButtonChanged();

private:
    void show(WizardPage page);
    void quit();

    Platform &m_platform;
    Questions &m_questions;
    InstallState &m_state;
    PayloadTable m_payload;
    FinishButton m_finish;
    WizardPage m_page = WizardPage::About;
    bool m_ran = false;
    QString m_pathError;
};

} // namespace qm::install
