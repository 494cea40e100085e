#pragma once

#include <QTableView>

namespace qm::stats {

// A table whose first column stays in place while the others scroll sideways under it.
class FrozenColumnView : public QTableView
{
    Q_OBJECT

public:
    explicit FrozenColumnView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // The view that shows the first column over this one's.
    QTableView *frozenView() const { return m_frozen; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    void placeFrozenView();

    QTableView *m_frozen;
};

} // namespace qm::stats
