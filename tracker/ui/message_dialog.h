#pragma once

#include "tracker/core/stock_message.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qm {

// The message window of the stock messages.
class MessageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MessageDialog(QWidget *parent = nullptr);

    // Shows the message modally; true for the right button. While a message is already on
    // screen, another one is not shown and gets the left button's answer.
    bool ask(const StockMessage &message, bool &suppress);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_text;
    QLabel *m_icon;
    QPushButton *m_abandon;
    QPushButton *m_continue;
    QCheckBox *m_suppress;
    bool m_answer = true;
    bool m_closeAnswer = true;
};

} // namespace qm
