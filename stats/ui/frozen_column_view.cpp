#include "stats/ui/frozen_column_view.h"

#include <QHeaderView>
#include <QScrollBar>

namespace qm::stats {

FrozenColumnView::FrozenColumnView(QWidget *parent)
    : QTableView(parent)
    , m_frozen(new QTableView(this))
{
    m_frozen->setObjectName(QStringLiteral("grdFrozen"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->setFrameShape(QFrame::NoFrame);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_frozen);

    connect(
        horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
            if (section == 0) {
                m_frozen->setColumnWidth(0, size);
                placeFrozenView();
            }
        });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
        [this](int section, int, int size) { m_frozen->setRowHeight(section, size); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
        &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
        &QAbstractSlider::setValue);
}

void FrozenColumnView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    const auto hideOthers = [this] {
        for (int column = 1; column < m_frozen->model()->columnCount(); ++column)
            m_frozen->setColumnHidden(column, true);
        m_frozen->setColumnWidth(0, columnWidth(0));
        placeFrozenView();
    };
    connect(model, &QAbstractItemModel::modelReset, this, hideOthers);
    hideOthers();
}

void FrozenColumnView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnView::placeFrozenView()
{
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
        viewport()->height() + horizontalHeader()->height());
}

// The cursor moving left under the frozen column brings its cell out from under it.
QModelIndex FrozenColumnView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (cursorAction == MoveLeft && current.column() > 0
        && visualRect(current).topLeft().x() < m_frozen->columnWidth(0)) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x()
            - m_frozen->columnWidth(0);
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void FrozenColumnView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
}

} // namespace qm::stats
