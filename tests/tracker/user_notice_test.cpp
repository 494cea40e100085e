#include "rig.h"
#include "tests/support/locale.h"
#include "tracker/core/tray_text.h"

#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

// What the program tells the user in its icon's tooltip, and when the desktop cannot do what was
// asked.
class UserNoticeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The notification-area icon's tooltip.
    void toolTip_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected");
        const auto at = [](int day, int h, int mi, int s = 0) {
            return makeDateTime(QDate(2026, 12, day), QTime(h, mi, s));
        };
        const int running = DayState::kRunning;
        QTest::newRow("nothing recorded yet")
            << "start" << at(5, 9, 0) << running << at(5, 9, 40) << "Quillmere";
        QTest::newRow("running, minutes cut down")
            << "Dossiers" << at(5, 10, 0) << running << at(5, 10, 30, 59)
            << "Quillmere - Dossiers depuis 10:00 (0 h 30)";
        QTest::newRow("running, started within a minute")
            << "Réunion; client" << at(5, 9, 55, 30) << running << at(5, 11, 0, 29)
            << "Quillmere - Réunion; client depuis 09:55 (1 h 04)";
        QTest::newRow("pause has no duration") << "pause" << at(5, 12, 5) << running << at(5, 13, 0)
                                               << "Quillmere - pause depuis 12:05";
        QTest::newRow("fixed duration has ended")
            << "Dossiers" << at(5, 10, 0) << 45 << at(5, 10, 20) << "Quillmere";
        QTest::newRow("fixed pause has ended")
            << "pause" << at(5, 10, 0) << 15 << at(5, 10, 5) << "Quillmere";
        QTest::newRow("more than a day") << "Dossiers" << at(5, 22, 15) << running << at(7, 8, 20)
                                         << "Quillmere - Dossiers depuis 22:15 (34 h 05)";
        QTest::newRow("past 99 hours only the hours")
            << "Dossiers" << at(1, 8, 0) << running << at(5, 12, 30)
            << "Quillmere - Dossiers depuis 08:00 (100 h)";
        QTest::newRow("clock set back before the start")
            << "Dossiers" << at(5, 10, 0) << running << at(5, 9, 58)
            << "Quillmere - Dossiers depuis 10:00 (0 h 00)";
    }
    void toolTip()
    {
        QFETCH(QString, activity);
        QFETCH(QDateTime, start);
        QFETCH(int, duration);
        QFETCH(QDateTime, now);
        QTEST(trayToolTip(activity, start, duration == DayState::kRunning, now), "expected");
    }
    void desktopCannotOpen_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Aide gives the file")
            << true << QDir::toNativeSeparators("%1/Quillmere.pdf");
        QTest::newRow("Web gives the address") << false << "https://quillmere.example.org/";
    }
    void desktopCannotOpen()
    {
        QFETCH(bool, help);
        QFETCH(QString, shown);
        Rig rig;
        rig.startDay();
        const auto open = [&] {
            help ? rig.tracker.openHelp() : rig.tracker.openWeb();
        };
        open();
        QCOMPARE(rig.questions.warnings, QStringList());
        rig.screens.canOpen = false;
        open();
        QCOMPARE(rig.questions.warnings.size(), 1);
        const QString warning = rig.questions.warnings.first();
        QVERIFY2(warning.startsWith("Quillmere - Erreur|"), qPrintable(warning));
        QVERIFY2(
            warning.contains(u'\n' + shown.arg(QDir::toNativeSeparators(rig.dir.path())) + u'\n'),
            qPrintable(warning));
        QVERIFY(rig.screens.mainVisible);
    }
};

QTEST_GUILESS_MAIN(UserNoticeTest)
#include "user_notice_test.moc"
