#include "journal/day_file.h"
#include "journal/journal_file.h"
#include "journal/line_reader.h"
#include "journal/settings.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"
#include "tests/support/test_conditions.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace qm;
using namespace qm::test;

namespace {

QString recordText(const JournalRecord &r)
{
    return r.date + u'|' + r.minutesText + u'|' + r.activity + u'|' + r.comment;
}

// The model in one line: user, switched-off messages, then the three lists.
// A missing file reads as missing; once `bytes` are written, as read.
void checkReading(const QByteArray &bytes, const std::function<FileRead(const QString &path)> &read)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    QCOMPARE(read(path), FileRead::Missing);
    QVERIFY(writeBytes(path, bytes));
    QCOMPARE(read(path), FileRead::Read);
}

QString summary(const SettingsModel &model)
{
    QStringList off;
    for (int n = 0; n < kMessageCount; ++n) {
        if (!model.messageEnabled[size_t(n)])
            off.append(QString::number(n));
    }
    return QStringList { model.userName, off.join(u','),
        model.currentActivities.toList().join(u','), model.retiredActivities.toList().join(u','),
        model.commentChoices.mid(1).join(u',') }
        .join(u'|');
}

// The file a fresh model saves, with `tail` after its message lines.
QByteArray defaultSettings(const QByteArray &tail = {})
{
    QByteArray bytes("User=-\r\n");
    for (int n = 0; n < kMessageCount; ++n)
        bytes += "Message=" + QByteArray::number(n) + "=Vrai\r\n";
    return bytes + tail;
}

QByteArray numberedLines(const QByteArray &name, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += name + '=' + name.left(1).toLower() + QByteArray::number(i) + "\r\n";
    return bytes;
}

const QList<DayLine> kTwoLines { { "08:30:00", " 65", "Réunion", "client;devis" },
    { "09:35:12", "-1", "pause", "" } };
const QByteArray kTwoLinesFile("05/12/2026\r\n08:30:00, 65,R\xC3\xA9union,client;devis\r\n"
                               "09:35:12,-1,pause,\r\n");

constexpr qint64 kChunk = 16;

// A few reads' worth of each file, so that a read can fail before, inside and after its lines.
const QByteArray kSettings("User=Anne\r\nMessage=3=Faux\r\nActivity=Dossiers\r\n"
                           "Activity=R\xC3\xA9union\r\nOldActivity=vieux\r\nComment=client\r\n");
const QByteArray kDayFile("05/12/2026\r\n08:30:00, 65,R\xC3\xA9union,client;devis\r\n"
                          "09:35:00, 15,pause,\r\n09:50:00, 40,Dossiers,\r\n");
const QByteArray kJournal("04/12/2026, 30,Dossiers,\r\n05/12/2026, 65,R\xC3\xA9union,devis\r\n"
                          "05/12/2026, 40,Dossiers,\r\n05/12/2026, 10,Courrier,\r\n");

// The reads a device of `bytes` takes until a reader sees its end: full chunks, then the read
// that finds nothing more.
int readsToTheEnd(const QByteArray &bytes)
{
    return int((bytes.size() + kChunk - 1) / kChunk) + 1;
}

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void journalRecord_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("record"); // empty: the line is skipped
        QTest::newRow("utf-8") << QByteArray("05/12/2026, 65,R\xC3\xA9union,client;devis\r\n")
                               << QString("05/12/2026| 65|Réunion|client;devis");
        QTest::newRow("empty comment")
            << QByteArray("31/12/2026,-5,a,\r\n") << QString("31/12/2026|-5|a|");
        QTest::newRow("fifth field dropped") << QByteArray("d,m,a,b,lost") << QString("d|m|a|b");
        QTest::newRow("three fields") << QByteArray("d,m,a") << QString();
    }
    void journalRecord()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, record);
        const auto parsed
            = parseJournalLine(QByteArrayView(line).chopped(line.endsWith('\n') ? 2 : 0));
        QCOMPARE(parsed ? recordText(*parsed) : QString(), record);
        // Lines ending in CR LF are the ones the program writes.
        if (line.endsWith('\n'))
            QCOMPARE(formatJournalRecord(*parsed), line);
    }

    // The whole journal, or the records of one date (a textual match of the date field).
    void journalReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("date"); // empty: the whole journal
        QTest::addColumn<QStringList>("read");
        QTest::newRow("empty and short lines skipped")
            << QByteArray("\r\n\nx\r\n05/12/2026, 65,a,\r\n\r\n1,2,3\r\n06/12/2026,-5,b,c\r\n,\r\n")
            << QString() << QStringList { "05/12/2026| 65|a|", "06/12/2026|-5|b|c" };
        QTest::newRow("encodings per line")
            << QByteArray("d,1,caf\xE9,\r\nd,2,caf\xC3\xA9,\r\n") << QString()
            << QStringList { "d|1|café|", "d|2|café|" };
        const QByteArray journal("05/12/2026, 10,a,\r\n5/12/2026, 20,b,\r\n05/12/2026 , 30,c,\r\n"
                                 "06/12/2026, 40,d,\r\n05/12/2026, 50,e,x,y\r\n05/12/2026\r\n");
        QTest::newRow("textual match of the date")
            << journal << "05/12/2026" << QStringList { "05/12/2026| 10|a|", "05/12/2026| 50|e|x" };
        QTest::newRow("short date is another text")
            << journal << "5/12/2026" << QStringList { "5/12/2026| 20|b|" };
        QTest::newRow("date in windows-1252")
            << QByteArray("\xE9t\xE9,1,a,\r\n\xC3\xA9t\xC3\xA9,2,b,\r\n") << "été"
            << QStringList { "été|1|a|", "été|2|b|" };
    }
    void journalReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, date);
        QStringList read;
        const auto add = [&](const JournalRecord &r) {
            read.append(recordText(r));
        };
        checkReading(bytes, [&](const QString &path) {
            return date.isEmpty() ? readJournal(path, add) : readJournalOfDate(path, date, add);
        });
        QTEST(read, "read");
    }

    // The date line first, then the activities.
    void dayFileReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("read");
        QTest::newRow("empty file") << QByteArray("") << QStringList { "" };
        QTest::newRow("short and empty lines skipped, fifth field dropped")
            << QByteArray("d\r\n\r\n08:30:00\r\n08:30:00, 65,a,,c\r\n1,2,3\r\n\r\n")
            << QStringList { "d", "08:30:00| 65|a|" };
        QTest::newRow("date line kept as it is")
            << QByteArray(" hier, peut-\xEAtre\r\n08:30:00, 65,a,\r\n")
            << QStringList { " hier, peut-être", "08:30:00| 65|a|" };
    }
    void dayFileReading()
    {
        QFETCH(QByteArray, bytes);
        QStringList read;
        checkReading(bytes, [&](const QString &path) {
            DayFileContent content;
            const FileRead result = readDayFile(path, content);
            if (result == FileRead::Read) {
                read = QStringList { content.date };
                for (const DayLine &l : content.lines)
                    read.append(
                        l.start + u'|' + l.minutesText + u'|' + l.activity + u'|' + l.comment);
            }
            // The date line alone reads the same as in the whole reading.
            QString date;
            if (readDayFileDateLine(path, date) != result || date != content.date)
                return FileRead::Unreadable;
            return result;
        });
        QTEST(read, "read");
    }

    void dayFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        QVERIFY(writeDayFile(path, "05/12/2026", kTwoLines));
        QCOMPARE(readBytes(path), kTwoLinesFile);
        DayFileContent content;
        QCOMPARE(readDayFile(path, content), FileRead::Read);
        QCOMPARE(content.lines, kTwoLines);
        QVERIFY(writeDayFile(path, "05/12/2026", {}));
        QCOMPARE(readBytes(path), "05/12/2026\r\n");
        QVERIFY(removeDayFile(path));
        QVERIFY(!QFile::exists(path));

        const QString golden = QFINDTESTDATA("../data/journal/recovered.day");
        QCOMPARE(readDayFile(golden, content), FileRead::Read);
        QCOMPARE(content.lines.size(), 17);
        QCOMPARE(formatDayFile(content.date, content.lines), readBytes(golden));
    }

    void settingsReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("model"); // user|messages off|activities|retired|comments
        const auto row = [](const char *name, const QByteArray &bytes, const QString &model) {
            QTest::newRow(name) << bytes << model;
        };
        row("empty", "", "-||||");
        row("value cut at =", "Activity=a=b\r\nUser=x=y\r\n", "x||a||");
        row("messages",
            "Message=7=Faux\r\nMessage=3=False\r\nMessage=5=false\r\nMessage=1=FAUX\r\n"
            "Message=2=Faux \r\nMessage=9\r\nMessage= 8=Faux=x\r\nMessage=4.5=Faux\r\n"
            "Message=10=Faux\r\nMessage=-1=Faux\r\nMessage=99999999999=Faux\r\n"
            "Message=6=Faux\r\nMessage=6\r\nMessage=0=Faux\r\nMessage=0=\r\n",
            "-|3,4,6,7,8|||");
        row("names: case-sensitive, with =",
            "activity=x\r\nUSER=y\r\n Activity=w\r\nActivity\r\nComment\r\nActivity=z\r\n",
            "-||z||");
        row("every kind, LF and empty lines",
            "User=Anne\n\nComment=devis\nActivity=R\xC3\xA9union\nOldActivity=vieux\nComment=\n"
            "Activity=\nUser=Bob\n",
            "Bob||Réunion,|vieux|devis,");
        row("windows-1252, byte-order mark", "\357\273\277User=Ren\xE9\r\nActivity=caf\xE9\r\n",
            "René||café||");
        QStringList full;
        for (int i = 0; i < 301; ++i)
            full.append("a" + QString::number(i));
        row("lists full at 301", numberedLines("Activity", 305) + numberedLines("OldActivity", 302),
            "-||" + full.join(u',') + u'|' + full.join(u',').replace(u'a', u'o') + u'|');
    }
    void settingsReading()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        SettingsModel model;
        model.userName = "Anne";
        model.currentActivities.append("old");
        model.commentChoices = { "kept" };
        // A missing file only empties the lists of activities.
        QCOMPARE(loadSettings(path, model), FileRead::Missing);
        QCOMPARE(model.currentActivities.count(), 0);
        QCOMPARE(model.userName, "Anne");
        QCOMPARE(model.commentChoices, QStringList { "kept" });

        QVERIFY(writeBytes(path, bytes));
        model = {};
        // Loading twice must not pile up the entries of the lists.
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QTEST(summary(model), "model");
        QCOMPARE(readSettingsUserName(path), model.userName);
        QCOMPARE(model.activityChoices,
            QStringList { kPauseChoice.toString() } + model.currentActivities.toList());
        QCOMPARE(model.commentChoices.value(0), kNoCommentChoice);
    }

    // A file that is there but cannot be read is no missing file, and changes nothing.
    void unreadableFiles_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("a folder in its place") << true;
        QTest::newRow("no read permission") << false;
    }
    void unreadableFiles()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        QStringList paths { dir.path() };
        for (const char *name : { "Quillmere.ini", "Quillmere.day" }) {
            const QString path = dir.filePath(name);
            paths.append(path);
            if (folder) {
                QVERIFY(QDir(dir.path()).mkdir(name));
            } else {
                QVERIFY(writeBytes(path, "05/12/2026\r\nActivity=a\r\n"));
                QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            }
        }
        // Root reads a file whatever its permissions.
        const AsAnotherUser user(paths);
        QVERIFY(user.ready());
        SettingsModel model;
        model.currentActivities.append("kept");
        QCOMPARE(loadSettings(dir.filePath("Quillmere.ini"), model), FileRead::Unreadable);
        QCOMPARE(model.currentActivities.toList(), QStringList { "kept" });
        QString date("kept");
        QCOMPARE(readDayFileDateLine(dir.filePath("Quillmere.day"), date), FileRead::Unreadable);
        QCOMPARE(date, "kept");
    }

    void settingsWriting_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("empty file") << QByteArray() << defaultSettings();
        QTest::newRow("order of kinds restored")
            << QByteArray(
                   "Comment=c\nOldActivity=o\nActivity=a2\nMessage=4=False\nActivity=a1\nUser=Z\n")
            << defaultSettings("Activity=a2\r\nActivity=a1\r\nOldActivity=o\r\nComment=c\r\n")
                   .replace("User=-", "User=Z")
                   .replace("Message=4=Vrai", "Message=4=Faux");
        const QString golden = QFINDTESTDATA("../data/journal/settings.ini");
        QTest::newRow("golden file") << readBytes(golden) << readBytes(golden);
    }
    void settingsWriting()
    {
        QTemporaryDir dir;
        QFETCH(QByteArray, loaded);
        const QString path = dir.filePath("Quillmere.ini");
        QVERIFY(writeBytes(path, loaded));
        SettingsModel model;
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QVERIFY(saveSettings(path, model));
        QTEST(readBytes(path), "saved");
    }

    // The absence threshold has a line only when it is not the default, and a damaged line is
    // read as the default, never as the offer turned off. The reminder has one only when it is
    // on, after the absence's.
    void timingSettings_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("reminder");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char *name, const char *line, int minutes, int reminder,
                             const char *saved) {
            QTest::newRow(name) << QByteArray(line) << minutes << reminder << QByteArray(saved);
        };
        row("none: the default", "", 15, 0, "");
        row("off", "Absence=0\r\n", 0, 0, "Absence=0\r\n");
        row("shortest", "Absence=1\n", 1, 0, "Absence=1\r\n");
        row("longest", "Absence=240\r\n", 240, 0, "Absence=240\r\n");
        row("the default is not written", "Absence=15\r\n", 15, 0, "");
        row("beyond the longest", "Absence=241\r\n", 15, 0, "");
        row("negative", "Absence=-5\r\n", 15, 0, "");
        row("no number", "Absence=abc\r\n", 15, 0, "");
        row("number and text", "Absence=20 min\r\n", 15, 0, "");
        row("fraction", "Absence=2.5\r\n", 15, 0, "");
        row("empty", "Absence=\r\n", 15, 0, "");
        row("the last good line wins", "Absence=30\r\nAbsence=45\r\nAbsence=x\r\n", 45, 0,
            "Absence=45\r\n");
        row("reminder", "Rappel=120\r\n", 15, 120, "Rappel=120\r\n");
        row("reminder after the absence", "Rappel=1\r\nAbsence=30\r\n", 30, 1,
            "Absence=30\r\nRappel=1\r\n");
        row("longest reminder", "Rappel=480\n", 15, 480, "Rappel=480\r\n");
        row("reminder off is not written", "Rappel=0\r\n", 15, 0, "");
        row("reminder beyond the longest", "Rappel=481\r\n", 15, 0, "");
        row("reminder with no number", "Rappel=deux\r\n", 15, 0, "");
    }
    void timingSettings()
    {
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        QVERIFY(writeBytes(path, "User=-\r\n" + line + "Activity=a\r\nComment=c\r\n"));
        SettingsModel model;
        model.absenceMinutes = 99;
        model.reminderMinutes = 99;
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QTEST(model.absenceMinutes, "minutes");
        QTEST(model.reminderMinutes, "reminder");
        QVERIFY(saveSettings(path, model));
        QFETCH(QByteArray, saved);
        QCOMPARE(readBytes(path), defaultSettings("Activity=a\r\nComment=c\r\n") + saved);
    }

    // A settings file that the user keeps elsewhere behind a link, private to them, stays so once
    // saved: the new bytes go where the link points, under the old permissions.
    void savedFileStaysWhereItIs()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.ini");
        const QString path = dir.filePath("Quillmere.ini");
        const QFile::Permissions privateToUser = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(writeBytes(kept, "User=Z\r\n") && QFile::link(kept, path));
        QVERIFY(QFile::setPermissions(kept, privateToUser));
        SettingsModel model;
        model.currentActivities.append("a");
        QVERIFY(saveSettings(path, model) && saveSettings(dir.filePath("plain.ini"), model));
        QCOMPARE(QFileInfo(path).symLinkTarget(), kept);
        QCOMPARE(readBytes(kept), readBytes(dir.filePath("plain.ini")));
        const QFile::Permissions forUs = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFileInfo(kept).permissions() & ~forUs, privateToUser);
    }

    // Whatever the write, a failure is reported, logged with the file and the system's reason,
    // and the old file stays whole.
    void failedWrites_data()
    {
        QTest::addColumn<WriteFailure>("how");
        QTest::addColumn<int>("error");
        QTest::newRow("folder is a file") << WriteFailure::FolderIsAFile << ENOTDIR;
        QTest::newRow("disk full") << WriteFailure::DiskFull << EFBIG;
        QTest::newRow("sync to disk fails") << WriteFailure::SyncFails << EIO;
    }
    void failedWrites()
    {
        QTemporaryDir dir;
        QFETCH(WriteFailure, how);
        QFETCH(int, error);
        LoggedFailures log;
        const QByteArray old("01/01/2020, 5,y,z\r\n");
        const auto fails
            = [&](const char *name, const std::function<bool(const QString &)> &write) {
                  QVERIFY(writeBytes(dir.filePath(name), old));
                  QVERIFY2(!runFailingWrite(how, dir, name, write), name);
                  const QString logged = log.take();
                  QVERIFY2(logged.contains(QLatin1String(name))
                          && logged.contains(QString::fromLocal8Bit(std::strerror(error))),
                      qPrintable(logged));
                  if (how == WriteFailure::FolderIsAFile) {
                      // No file can stand there: what matters is the failure reported, and the
                      // plain file in the folder's place left as it was.
                      QCOMPARE(readBytes(dir.filePath("not-a-folder")), QByteArray("x"));
                      return;
                  }
                  // An append whose sync failed has its lines in the file: taking them back is
                  // for the closing of the day, which knows the size before.
                  if (how != WriteFailure::SyncFails || !QByteArrayView(name).endsWith(".log"))
                      QCOMPARE(readBytes(dir.filePath(name)), old);
              };
        fails("Quillmere.log", [](const QString &path) {
            return appendToJournal(path, { { "05/12/2026", " 65", "a", "b" } });
        });
        fails("Quillmere.day",
            [](const QString &path) { return writeDayFile(path, "05/12/2026", kTwoLines); });
        SettingsModel model;
        model.currentActivities.append("a much longer list than the old file");
        model.absenceMinutes = 30;
        fails("Quillmere.ini", [&](const QString &path) { return saveSettings(path, model); });
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("Quillmere"),
            (QStringList { "Quillmere.day", "Quillmere.ini", "Quillmere.log" }));
    }

    // A read error is no end of file, wherever it strikes: each reader says so and leaves what
    // it fills as it was, since part of a file would pass for the whole of it.
    void readErrorIsNoEnd_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("failingRead"); // 0: no error
        const std::pair<QString, QByteArray> files[] = { { "settings", kSettings },
            { "day file", kDayFile }, { "journal", kJournal }, { "journal of a date", kJournal } };
        for (const auto &[file, bytes] : files) {
            const std::pair<QString, int> failures[] = { { "whole", 0 }, { "first read", 1 },
                { "middle", 3 }, { "read of the end", readsToTheEnd(bytes) } };
            for (const auto &[when, failingRead] : failures)
                QTest::addRow("%s, %s", qPrintable(file), qPrintable(when)) << file << failingRead;
        }
    }
    void readErrorIsNoEnd()
    {
        QFETCH(QString, file);
        QFETCH(int, failingRead);
        const bool whole = failingRead == 0;
        if (file == u"settings") {
            FailingDevice device(kSettings, failingRead, kChunk);
            SettingsModel model;
            model.userName = "kept";
            model.currentActivities.append("kept");
            QCOMPARE(readSettings(device, model), whole);
            QCOMPARE(model.userName, whole ? "Anne" : "kept");
            QCOMPARE(model.currentActivities.toList(),
                whole ? QStringList({ "Dossiers", "Réunion" }) : QStringList { "kept" });
            QCOMPARE(model.messageEnabled[3], !whole);
        } else if (file == u"day file") {
            FailingDevice device(kDayFile, failingRead, kChunk);
            DayFileContent content { "kept", { { "kept", "", "", "" } } };
            QCOMPARE(readDayFile(device, content), whole);
            QCOMPARE(content.date, whole ? "05/12/2026" : "kept");
            QCOMPARE(content.lines.size(), whole ? 3 : 1);
        } else {
            FailingDevice device(kJournal, failingRead, kChunk);
            int records = 0;
            const auto count = [&](const JournalRecord &) {
                ++records;
            };
            QCOMPARE(file == u"journal" ? readJournal(device, count)
                                        : readJournalOfDate(device, "05/12/2026", count),
                whole);
            // The records seen before the error are those of whole lines only.
            QVERIFY(records <= 4);
            if (whole)
                QCOMPARE(records, file == u"journal" ? 4 : 3);
        }
    }

    // The line that an error cuts is not given as a last line without its end.
    void lineReaderStopsAtTheError()
    {
        FailingDevice device("first\r\nsecond line cut", 2, kChunk);
        LineReader reader(device, kChunk);
        QByteArrayView line;
        QVERIFY(reader.next(line));
        QCOMPARE(line, "first");
        QVERIFY(!reader.next(line));
        QVERIFY(reader.failed());
        QVERIFY(!reader.next(line));
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
