#include "journal/settings.h"
#include "test_support.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

QString disabledMessages(const SettingsModel &model)
{
    QStringList numbers;
    for (int n = 0; n < kMessageCount; ++n) {
        if (!model.messageEnabled[size_t(n)])
            numbers.append(QString::number(n));
    }
    return numbers.join(u',');
}

QByteArray defaultFile(const QByteArray &tail = {})
{
    QByteArray bytes("User=-\r\n");
    for (int n = 0; n < kMessageCount; ++n)
        bytes += "Message=" + QByteArray::number(n) + "=Vrai\r\n";
    return bytes + tail;
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

QByteArray lines(const QByteArray &name, const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values)
        bytes += name + '=' + value.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("disabled");
        QTest::addColumn<QStringList>("activities");
        QTest::addColumn<QStringList>("retired");
        QTest::addColumn<QStringList>("comments");
        const QStringList none;
        QTest::newRow("empty") << QByteArray() << "-"
                               << "" << none << none << none;
        QTest::newRow("value cut at =") << QByteArray("Activity=a=b\r\nUser=x=y\r\n") << "x"
                                        << "" << QStringList { "a" } << none << none;
        QTest::newRow("messages in any order")
            << QByteArray("Message=7=Faux\r\nMessage=3=False\r\nMessage=5=false\r\n"
                          "Message=1=FAUX\r\nMessage=2=Faux \r\nMessage=9\r\nMessage= 8=Faux=x\r\n")
            << "-"
            << "3,7,8" << none << none << none;
        QTest::newRow("message numbers beyond 0..9")
            << QByteArray("Message=10=Faux\r\nMessage=-1=Faux\r\nMessage=99999999999=Faux\r\n")
            << "-"
            << "" << none << none << none;
        QTest::newRow("message number rounded") << QByteArray("Message=3.5=Faux\r\n") << "-"
                                                << "4" << none << none << none;
        QTest::newRow("lines without =")
            << QByteArray("Activity\r\nUser\r\nComment\r\nOldActivity\r\nActivity=x\r\n") << "-"
            << "" << QStringList { "x" } << none << none;
        QTest::newRow("names are case-sensitive")
            << QByteArray("activity=x\r\nUSER=y\r\nComments=z\r\n Activity=w\r\n") << "-"
            << "" << none << none << none;
        QTest::newRow("every kind, LF and empty lines")
            << QByteArray("User=Anne\n\nComment=devis\nActivity=R\xC3\xA9union\n"
                          "OldActivity=vieux\nComment=\nActivity=\nUser=Bob\n")
            << "Bob"
            << "" << QStringList { "Réunion", "" } << QStringList { "vieux" }
            << QStringList { "devis", "" };
        QTest::newRow("windows-1252")
            << QByteArray("User=Ren\xE9\r\nActivity=caf\xE9\r\n") << "René"
            << "" << QStringList { "café" } << none << none;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFUser=Anne\r\n") << "Anne"
                                         << "" << none << none << none;
        QTest::newRow("lists full at 301")
            << lines("Activity", numbered("a", 305)) + lines("OldActivity", numbered("o", 302))
            << "-"
            << "" << numbered("a", 301) << numbered("o", 301) << none;
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        QVERIFY(writeBytes(path, bytes));
        SettingsModel model;
        // Loading twice must not pile up the entries of the lists.
        QVERIFY(LoadSettings(path, model));
        QVERIFY(LoadSettings(path, model));
        QTEST(model.userName, "user");
        QTEST(disabledMessages(model), "disabled");
        QTEST(model.currentActivities.toList(), "activities");
        QTEST(model.retiredActivities.toList(), "retired");
        QFETCH(QStringList, activities);
        QFETCH(QStringList, comments);
        QCOMPARE(model.activityChoices, QStringList { kPauseChoice.toString() } + activities);
        QCOMPARE(model.commentChoices, QStringList { kNoCommentChoice.toString() } + comments);
    }

    void missingFile()
    {
        QTemporaryDir dir;
        SettingsModel model;
        model.userName = "Anne";
        model.messageEnabled[2] = false;
        model.currentActivities.append("a");
        model.retiredActivities.append("b");
        model.activityChoices = { "p", "a" };
        model.commentChoices = { "n", "c" };
        QVERIFY(!LoadSettings(dir.filePath("Quillmere.ini"), model));
        QCOMPARE(model.currentActivities.count(), 0);
        QCOMPARE(model.retiredActivities.count(), 0);
        QCOMPARE(model.activityChoices, QStringList({ "p", "a" }));
        QCOMPARE(model.commentChoices, QStringList({ "n", "c" }));
        QCOMPARE(model.userName, "Anne");
        QCOMPARE(disabledMessages(model), "2");
    }

    void save_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("empty file") << QByteArray() << defaultFile();
        QTest::newRow("only the fixed comment")
            << QByteArray("Comment=\r\n") << defaultFile("Comment=\r\n");
        QTest::newRow("order of kinds restored")
            << QByteArray("Comment=c\nOldActivity=o\nActivity=a2\nMessage=4=False\nActivity=a1\n"
                          "User=Z\n")
            << QByteArray(
                   defaultFile("Activity=a2\r\nActivity=a1\r\nOldActivity=o\r\nComment=c\r\n"))
                   .replace("User=-", "User=Z")
                   .replace("Message=4=Vrai", "Message=4=Faux");
    }
    void save()
    {
        QFETCH(QByteArray, loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        QVERIFY(writeBytes(path, loaded));
        SettingsModel model;
        QVERIFY(LoadSettings(path, model));
        QVERIFY(SaveSettings(path, model));
        QTEST(readBytes(path), "saved");
    }

    void noCommentLineForTheFixedEntry()
    {
        SettingsModel model;
        model.commentChoices = { kNoCommentChoice.toString() };
        QCOMPARE(formatSettings(model), defaultFile());
    }

    void goldenRoundTrip()
    {
        const QString golden = QFINDTESTDATA("../data/journal/settings.ini");
        QVERIFY(!golden.isEmpty());
        SettingsModel model;
        QVERIFY(LoadSettings(golden, model));
        QCOMPARE(model.userName, "Élise Marchand");
        QTemporaryDir dir;
        QVERIFY(SaveSettings(dir.filePath("Quillmere.ini"), model));
        QCOMPARE(readBytes(dir.filePath("Quillmere.ini")), readBytes(golden));
    }

    void readFromDevice()
    {
        QByteArray bytes("User=Anne\r\nActivity=a\r\n");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        SettingsModel model;
        model.currentActivities.append("old");
        readSettings(buffer, model);
        QCOMPARE(model.userName, "Anne");
        QCOMPARE(model.currentActivities.toList(), QStringList { "a" });
    }

    void saveFailure_data() { addWriteFailureRows(); }
    void saveFailure()
    {
        QFETCH(WriteFailure, how);
        if (!canSimulate(how))
            QSKIP("folder permissions do not stop root");
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        const QByteArray old("User=Anne\r\n");
        QVERIFY(writeBytes(path, old));
        SettingsModel model;
        model.currentActivities.append("a much longer list than the old file");
        QVERIFY(!runFailingWrite(how, dir, "Quillmere.ini",
            [&](const QString &target) { return SaveSettings(target, model); }));
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList({ "Quillmere.ini*" }, QDir::Files | QDir::Hidden),
            QStringList { "Quillmere.ini" });
    }

    void userName_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QString>("user");
        QTest::newRow("no file") << QByteArray() << "-";
        QTest::newRow("no User line") << QByteArray("Activity=a\r\n") << "-";
        QTest::newRow("last one counts") << QByteArray("User=a\r\nUser=b=c\r\n") << "b";
        QTest::newRow("windows-1252") << QByteArray("User=Ren\xE9\r\n") << "René";
    }
    void userName()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        if (!bytes.isNull())
            QVERIFY(writeBytes(path, bytes));
        QTEST(readSettingsUserName(path), "user");
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
