#include "installer/uninstaller/uninstall_plan.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace qmi;

namespace {

void touch(const QString &file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("x");
}

struct Installed
{
    Installed()
    {
        for (const char *name : { "app/Quillmere", "app/Quillmere.pdf", "app/Quillmere.manifest",
                 "app/Uninstall", "app/QMStat", "app/QMStat.manifest", "app/uninstall.dat",
                 "app/Quillmere.log", "app/Quillmere.ini", "app/Quillmere.day",
                 "desk/Quillmere.desktop", "desk/Other.desktop", "menu/Quillmere/Quillmere.desktop",
                 "menu/Quillmere/Aide.desktop", "menu/Quillmere/Uninstall.desktop",
                 "auto/Quillmere.desktop" })
            touch(path(QString::fromLatin1(name)));
        data = UninstallData { QStringLiteral("Quillmere"), path(QStringLiteral("app")),
            path(QStringLiteral("desk")), path(QStringLiteral("menu/Quillmere")),
            path(QStringLiteral("auto")) };
    }

    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    bool exists(const char *relative) const
    {
        return QFileInfo::exists(path(QString::fromLatin1(relative)));
    }

    QTemporaryDir dir;
    UninstallData data;
};

} // namespace

class TstUninstallPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void removal_data();
    void removal();
    void foreignFilesAreKept();
    void undeterminedFoldersAreSkipped();
};

void TstUninstallPlan::removal_data()
{
    QTest::addColumn<bool>("removeUserFiles");
    QTest::newRow("journal kept") << false;
    QTest::newRow("journal removed on request") << true;
}

void TstUninstallPlan::removal()
{
    QFETCH(bool, removeUserFiles);
    Installed installed;
    const UninstallPlan plan = planUninstall(installed.path(QStringLiteral("app")), installed.data);
    QCOMPARE(plan.shortcuts.size(), 5);
    QCOMPARE(plan.programFiles.size(), 7);
    QCOMPARE(plan.userFiles.size(), 3);

    const UninstallResult result = carryOut(plan, removeUserFiles);
    QVERIFY2(result.failed.isEmpty(), qPrintable(result.failed.join(u' ')));
    QVERIFY(!installed.exists("menu/Quillmere"));
    QVERIFY(installed.exists("menu"));
    QVERIFY(!installed.exists("desk/Quillmere.desktop"));
    QVERIFY(!installed.exists("auto/Quillmere.desktop"));
    QVERIFY(!installed.exists("app/Quillmere"));
    QVERIFY(!installed.exists("app/uninstall.dat"));
    QCOMPARE(installed.exists("app/Quillmere.log"), !removeUserFiles);
    QCOMPARE(installed.exists("app/Quillmere.ini"), !removeUserFiles);
    QCOMPARE(installed.exists("app/Quillmere.day"), !removeUserFiles);
    QCOMPARE(installed.exists("app"), !removeUserFiles);
}

void TstUninstallPlan::foreignFilesAreKept()
{
    Installed installed;
    touch(installed.path(QStringLiteral("menu/Quillmere/Notes.desktop")));
    touch(installed.path(QStringLiteral("app/mes notes.txt")));
    const UninstallResult result
        = carryOut(planUninstall(installed.path(QStringLiteral("app")), installed.data), true);
    QVERIFY(result.failed.isEmpty());
    QVERIFY(installed.exists("menu/Quillmere/Notes.desktop"));
    QVERIFY(installed.exists("app/mes notes.txt"));
    QVERIFY(installed.exists("desk/Other.desktop"));
    QVERIFY(!installed.exists("app/QMStat"));
}

void TstUninstallPlan::undeterminedFoldersAreSkipped()
{
    Installed installed;
    installed.data.desktopFolder.clear();
    installed.data.programsFolder = installed.path(QStringLiteral("menu"));
    installed.data.startupFolder = QStringLiteral("auto");
    const UninstallPlan plan = planUninstall(installed.path(QStringLiteral("app")), installed.data);
    QVERIFY(plan.shortcuts.isEmpty());
    QVERIFY(plan.programGroup.isEmpty());
    carryOut(plan, false);
    QVERIFY(installed.exists("menu"));
    QVERIFY(installed.exists("desk/Quillmere.desktop"));
}

QTEST_GUILESS_MAIN(TstUninstallPlan)
#include "tst_uninstall_plan.moc"
