#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace qm::test {

// Runs `act` on the next modal window once it is on screen, from inside its own event loop.
inline void onNextModal(std::function<void(QWidget *)> act, QWidget *previous = nullptr)
{
    QTimer::singleShot(10, qApp, [act = std::move(act), previous] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == previous || !modal->isVisible()) {
            onNextModal(act, previous);
            return;
        }
        act(modal);
    });
}

inline void clickInNextModal(const char *buttonName)
{
    const QString name = QString::fromLatin1(buttonName);
    onNextModal([name](QWidget *modal) {
        auto *button = modal->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

} // namespace qm::test
