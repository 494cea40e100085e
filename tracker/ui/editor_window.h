#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QToolButton;

namespace qm {

class Tracker;

// The activity list editor.
class EditorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(Tracker &tracker, QWidget *parent = nullptr);

    // Shows the window with its lists filled and the focus on "Ajouter une activité".
    void open();
    void refreshEditorLists();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QToolButton *imageButton(const char *name, const QString &toolTip, int standardIcon);
    void afterMove(QListWidget *list, int selection);

    Tracker &m_tracker;
    QListWidget *m_current;
    QListWidget *m_retired;
    QPushButton *m_add;
};

} // namespace qm
