#include "tests/support/locale.h"
#include "window_rig.h"

#include <QComboBox>

using namespace qm;
using namespace qm::test;

// The correction window over the main window's history, driven through its widgets.
class CorrectionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFrenchLocale(); }

    // Dossiers from 09:00, then Réunion running: the finished row opens by a double click, by
    // Enter and by Corriger; Escape leaves it as it was, Enregistrer saves it. The running row
    // does not open.
    void correctingAFinishedRow_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<bool>("saved");
        QTest::newRow("double click, Enregistrer") << QByteArray("double click") << true;
        QTest::newRow("Enter, Escape") << QByteArray("Enter") << false;
        QTest::newRow("Corriger, Enregistrer") << QByteArray("Corriger") << true;
    }
    void correctingAFinishedRow()
    {
        QFETCH(QByteArray, how);
        QFETCH(bool, saved);
        Program program;
        program.clock.set(2026, 12, 5, 9, 0);
        program.startNormally();
        program.change(1, {}, {}, {});
        program.clock.set(2026, 12, 5, 9, 30);
        program.tracker.showMainWindow();
        program.change(2, {}, {}, {});
        program.tracker.showMainWindow();
        auto *grid = child<QTableView>(program.main(), "grdHistorique");
        const QByteArray dayFile = readBytes(program.file("Quillmere.day"));

        QStringList shown;
        onNextModal([&](QWidget *window) {
            shown << window->windowTitle() << child<QLineEdit>(window, "txtStart")->text()
                  << child<QComboBox>(window, "cboActivity")->currentText();
            QVERIFY(!child(window, "cmdRemove")->isEnabled());
            auto *start = child<QLineEdit>(window, "txtStart");
            start->setText("08:45");
            child<QComboBox>(window, "cboActivity")->setCurrentIndex(3);
            if (saved)
                click(window, "cmdSave");
            else
                QTest::keyClick(start, Qt::Key_Escape);
        });
        const QRect first = grid->visualRect(grid->model()->index(0, 2));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        if (how == "double click") {
            // The double click's event follows the first click's, as a mouse sends them.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        } else if (how == "Enter") {
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            QVERIFY(child(program.main(), "cmdCorrect")->isEnabled());
            click(program.main(), "cmdCorrect");
        }
        QCOMPARE(shown, QStringList({ "Quillmere - Correction", "09:00:00", "Dossiers" }));
        QCOMPARE(program.cell(0, 0) + u'|' + program.cell(0, 2),
            saved ? "08:45:00|Courrier" : "09:00:00|Dossiers");
        QCOMPARE(readBytes(program.file("Quillmere.day")),
            saved ? QByteArray("05/12/2026\r\n08:45:00, 45,Courrier,\r\n") : dayFile);

        // The running row is not corrected.
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QVERIFY(!child(program.main(), "cmdCorrect")->isEnabled());
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(CorrectionWindowTest)
#include "correction_window_test.moc"
