#pragma once

#include "installer/core/log_sink.h"
#include "installer/ui/wizard_window.h"

class QPlainTextEdit;
class QPushButton;

namespace qm::install {

// The log window; it is also where the run writes its log.
class LogPage : public WizardWindow, public LogSink
{
    Q_OBJECT

public:
    LogPage(WizardFlow &flow, const WizardPictures &stock);

    void append(const QString &text) override;
    const QString &logText() const { return m_text; }

private:
    void showFinishButton();

    QPlainTextEdit *m_log = nullptr;
    QPushButton *m_finish = nullptr;
    QString m_text;
};

} // namespace qm::install
