#pragma once

#include <QWidget>

class QBoxLayout;
class QPushButton;

namespace qm::install {

class WizardFlow;
class WizardPictures;

// The frame every window of the wizard shares: the two pictures on the left, a framed area for
// the window's own controls, its buttons below. Closing by the frame goes to the flow, which
// decides whether the window goes away.
class WizardWindow : public QWidget
{
    Q_OBJECT

public:
    WizardWindow(WizardFlow &flow, const WizardPictures &stock, const QString &objectName);

    // Shows the window in front and active, the focus in its first field, so that the user's
    // keys reach it without a click.
    void present();

protected:
    QBoxLayout *content() const { return m_content; }
    QPushButton *addButton(const QString &objectName, const QString &caption);
    // Where the focus goes when the window comes up.
    void setFirstField(QWidget *field) { m_firstField = field; }
    WizardFlow &flow() const { return m_flow; }
    void closeEvent(QCloseEvent *event) override;
    // These are plain windows, not dialogs: Enter is given to the default button here.
    void keyPressEvent(QKeyEvent *event) override;

private:
    WizardFlow &m_flow;
    QBoxLayout *m_content = nullptr;
    QBoxLayout *m_buttons = nullptr;
    QWidget *m_firstField = nullptr;
};

} // namespace qm::install
