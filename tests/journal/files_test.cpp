#include "journal/day_file.h"
#include "journal/journal_file.h"
#include "journal/settings.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"
#include "tests/support/test_conditions.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

// The model in one line: user, switched-off messages, the three lists, absence, reminder.
QString summary(const SettingsModel &model)
{
    QStringList off;
    for (int n = 0; n < kMessageCount; ++n) {
        if (!model.messageEnabled[size_t(n)])
            off.append(QString::number(n));
    }
    return QStringList { model.userName, off.join(u','),
        model.currentActivities.toList().join(u','), model.retiredActivities.toList().join(u','),
        model.commentChoices.mid(1).join(u','), QString::number(model.absenceMinutes),
        QString::number(model.reminderMinutes) }
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

const QList<DayLine> kTwoLines { { "08:30:00", " 65", "Réunion", "client;devis" },
    { "09:35:12", "-1", "pause", "" } };

// Small reads, so that a read error can strike before, inside and after the lines of a file.
constexpr qint64 kChunk = 4;

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The whole journal, the records of one date (a textual match of the date field), or the day
    // file: its date line first, then its activities.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("file"); // "journal", "day file", or the date read
        QTest::addColumn<QStringList>("read");
        QTest::newRow("empty and short lines skipped")
            << QByteArray("\r\n\nx\r\n05/12/2026, 65,a,\r\n\r\n1,2,3\r\n06/12/2026,-5,b,c\r\n,\r\n")
            << "journal" << QStringList { "05/12/2026| 65|a|", "06/12/2026|-5|b|c" };
        // Each field in UTF-8 or else in windows-1252 (its unassigned bytes as C1 controls); a
        // byte-order mark before a field is text.
        QTest::newRow("encodings per field")
            << QByteArray(
                   "d,1,caf\xC3\xA9 \xE2\x82\xAC,caf\xE9 \x80\x93x\x94\x85\r\nd,2,\x81,a\xC3\r\n"
                   "d,3,a\0b,\357\273\277x\r\n",
                   50)
            << "journal"
            << QStringList { "d|1|café €|café €“x”…", "d|2|" + QString(QChar(0x81)) + "|aÃ",
                   "d|3|a" + QString(QChar(0)) + "b|" + QChar(0xFEFF) + 'x' };
        QTest::newRow("date in windows-1252")
            << QByteArray("\xE9t\xE9,1,a,\r\n\xC3\xA9t\xC3\xA9,2,b,\r\n") << "été"
            << QStringList { "été|1|a|", "été|2|b|" };
        // The date line is kept as it is, commas and blanks included.
        QTest::newRow("day file: short and empty lines skipped, fifth field dropped")
            << QByteArray(
                   " hier, peut-\xEAtre\r\n\r\n08:30:00\r\n08:30:00, 65,a,,c\r\n1,2,3\r\n\r\n")
            << "day file" << QStringList { " hier, peut-être", "08:30:00| 65|a|" };
    }
    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        QStringList read;
        const auto add = [&](const JournalRecord &r) {
            read.append(r.date + u'|' + r.minutesText + u'|' + r.activity + u'|' + r.comment);
        };
        // From the file, or from a device of its bytes, whose reading fails as an unreadable file.
        const auto readFile = [&](QIODevice *device = nullptr) {
            const auto ended = [](bool whole) {
                return whole ? FileRead::Read : FileRead::Unreadable;
            };
            if (file == u"journal")
                return device ? ended(readJournal(*device, add)) : readJournal(path, add);
            if (file != u"day file")
                return device ? ended(readJournalOfDate(*device, file, add))
                              : readJournalOfDate(path, file, add);
            const DayFileContent kept { "kept", { { "kept", "", "", "" } } };
            DayFileContent content = kept;
            const FileRead result
                = device ? ended(readDayFile(*device, content)) : readDayFile(path, content);
            if (result == FileRead::Read) {
                read = QStringList { content.date };
                for (const DayLine &l : content.lines)
                    add({ l.start, l.minutesText, l.activity, l.comment });
            } else if (content.date != kept.date || content.lines != kept.lines) {
                read.append("day file changed");
            }
            // The date line alone reads the same as in the whole reading, and is left as it was
            // when the file is not read.
            QString date("kept");
            if (!device
                && (readDayFileDateLine(path, date) != result
                    || date != (result == FileRead::Read ? content.date : "kept")))
                read.append("date line read otherwise");
            return result;
        };
        QCOMPARE(readFile(), FileRead::Missing);
        QVERIFY(writeBytes(path, bytes));
        QCOMPARE(readFile(), FileRead::Read);
        QTEST(read, "read");

        // A read error is no end of file, wherever it strikes: it reads as unreadable, gives no
        // record but those of the lines before it, and leaves a day file's content as it was.
        const QStringList whole = read;
        const int end = int(bytes.size() + kChunk - 1) / kChunk + 1; // the read that finds no more
        for (const int failingRead : { 1, (end + 1) / 2, end }) {
            FailingDevice device(bytes, failingRead, kChunk);
            if (file != u"day file")
                read.clear();
            QCOMPARE(readFile(&device), FileRead::Unreadable);
            QCOMPARE(read, whole.mid(0, read.size()));
            read = whole;
        }

        // A file that is there but cannot be read is no missing file, and changes nothing: a
        // folder in its place, then a file without read permission (root reads any file).
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir("file"));
        QCOMPARE(readFile(), FileRead::Unreadable);
        QVERIFY(QDir(dir.path()).rmdir("file") && writeBytes(path, bytes));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        const AsAnotherUser user({ dir.path(), path });
        QVERIFY(user.ready());
        QCOMPARE(readFile(), FileRead::Unreadable);
        QTEST(read, "read");
    }

    void dayFileRoundTrip()
    {
        const QString golden = QFINDTESTDATA("../data/journal/recovered.day");
        DayFileContent content;
        QCOMPARE(readDayFile(golden, content), FileRead::Read);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        QVERIFY(writeDayFile(path, content.date, content.lines));
        QCOMPARE(readBytes(path), readBytes(golden));
        QVERIFY(writeDayFile(path, "05/12/2026", {}));
        QCOMPARE(readBytes(path), "05/12/2026\r\n");
        QVERIFY(removeDayFile(path));
        QVERIFY(!QFile::exists(path));
    }

    // Loaded, then saved: `saved` (when not null) is the file written back.
    void settings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("model"); // user|messages off|activities|retired|comments|…
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char *name, const QByteArray &bytes, const QString &model,
                             const QByteArray &saved = {}) {
            QTest::newRow(name) << bytes << model << saved;
        };
        row("messages",
            "Message=7=Faux\r\nMessage=3=False\r\nMessage=5=false\r\nMessage=1=FAUX\r\n"
            "Message=2=Faux \r\nMessage=9\r\nMessage= 8=Faux=x\r\nMessage=4.5=Faux\r\n"
            "Message=10=Faux\r\nMessage=-1=Faux\r\nMessage=99999999999=Faux\r\n"
            "Message=6=Faux\r\nMessage=6\r\nMessage=0=Faux\r\nMessage=0=\r\n",
            "-|3,4,6,7,8||||15|0");
        row("names: case-sensitive, with =, a value cut at the next =",
            "User=x=y\r\nactivity=x\r\nUSER=y\r\n Activity=w\r\nActivity\r\nComment\r\n"
            "Activity=z=b\r\n",
            "x||z|||15|0");
        QByteArray lists;
        QStringList full;
        for (int i = 0; i < 305; ++i) {
            lists += "Activity=a" + QByteArray::number(i) + "\r\nOldActivity=o"
                + QByteArray::number(i) + "\r\n";
            if (i < 301)
                full.append("a" + QString::number(i));
        }
        row("lists full at 301", lists,
            "-||" + full.join(u',') + u'|' + full.join(u',').replace(u'a', u'o') + "||15|0");
        row("order of kinds restored",
            "Comment=c\nOldActivity=o\nActivity=a2\nMessage=4=False\nActivity=a1\nUser=Z\n",
            "Z|4|a2,a1|o|c|15|0",
            defaultSettings("Activity=a2\r\nActivity=a1\r\nOldActivity=o\r\nComment=c\r\n")
                .replace("User=-", "User=Z")
                .replace("Message=4=Vrai", "Message=4=Faux"));
        const QByteArray golden = readBytes(QFINDTESTDATA("../data/journal/settings.ini"));
        row("golden file", golden,
            "Élise Marchand|2,5|Réunion,Développement,Courrier; téléphone,Formation|"
            "Projet été 2025,Salon|client;devis,interne,déplacement|15|0",
            golden);
        // The absence threshold has a line only when it is not the default, and a damaged line
        // is read as the default, never as the offer turned off. The reminder has one only when
        // it is on, after the absence's.
        const auto timing
            = [](const char *name, const char *line, int minutes, int reminder, const char *saved) {
                  QTest::newRow(name)
                      << "User=-\r\n" + QByteArray(line) + "Activity=a\r\nComment=c\r\n"
                      << QString("-||a||c|%1|%2").arg(minutes).arg(reminder)
                      << defaultSettings("Activity=a\r\nComment=c\r\n" + QByteArray(saved));
              };
        timing("absence off", "Absence=0\r\n", 0, 0, "Absence=0\r\n");
        timing("longest absence", "Absence=240\r\n", 240, 0, "Absence=240\r\n");
        timing("beyond the longest absence", "Absence=241\r\n", 15, 0, "");
        timing("negative absence", "Absence=-5\r\n", 15, 0, "");
        timing("the last good line wins", "Absence=30\r\nAbsence=45\r\nAbsence=x\r\n", 45, 0,
            "Absence=45\r\n");
        timing("reminder after the absence", "Rappel=1\r\nAbsence=30\r\n", 30, 1,
            "Absence=30\r\nRappel=1\r\n");
        timing("longest reminder", "Rappel=480\n", 15, 480, "Rappel=480\r\n");
        timing("reminder beyond the longest", "Rappel=481\r\n", 15, 0, "");
    }
    void settings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.ini");
        SettingsModel model;
        model.userName = "Anne";
        model.currentActivities.append("old");
        model.retiredActivities.append("old");
        model.commentChoices = { "", "kept" };
        // A missing file only empties the lists of activities.
        QCOMPARE(loadSettings(path, model), FileRead::Missing);
        QCOMPARE(summary(model), "Anne||||kept|15|0");

        // A file that the user keeps elsewhere behind a link, private to them, stays so once saved:
        // the new bytes go where the link points, under the old permissions.
        const QString kept = dir.filePath("kept.ini");
        const QFile::Permissions privateToUser = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(writeBytes(kept, bytes) && QFile::link(kept, path));
        QVERIFY(QFile::setPermissions(kept, privateToUser));
        model = {};
        model.absenceMinutes = model.reminderMinutes = 99;
        // Loading twice must not pile up the entries of the lists.
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QCOMPARE(loadSettings(path, model), FileRead::Read);
        QTEST(summary(model), "model");
        QCOMPARE(readSettingsUserName(path), model.userName);
        QCOMPARE(model.activityChoices,
            QStringList { kPauseChoice.toString() } + model.currentActivities.toList());
        QCOMPARE(model.commentChoices.value(0), kNoCommentChoice);
        QVERIFY(saveSettings(path, model));
        QCOMPARE(QFileInfo(path).symLinkTarget(), kept);
        const QFile::Permissions forUs = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFileInfo(kept).permissions() & ~forUs, privateToUser);
        if (!saved.isNull())
            QCOMPARE(readBytes(kept), saved);

        // A read error is no end of file, wherever it strikes: the model is left as it was.
        const int end = int(bytes.size() + kChunk - 1) / kChunk + 1; // the read that finds no more
        for (const int failingRead : { 1, (end + 1) / 2, end }) {
            FailingDevice device(bytes, failingRead, kChunk);
            SettingsModel before;
            before.userName = "kept";
            before.currentActivities.append("kept");
            QVERIFY(!readSettings(device, before));
            QCOMPARE(summary(before), "kept||kept|||15|0");
        }

        // A file that is there but cannot be read is no missing file, and changes nothing.
        const QString before = summary(model);
        QVERIFY(QFile::setPermissions(kept, QFileDevice::WriteOwner));
        const AsAnotherUser user({ dir.path(), kept });
        QVERIFY(user.ready());
        QCOMPARE(loadSettings(path, model), FileRead::Unreadable);
        QCOMPARE(summary(model), before);
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
        QLoggingCategory::setFilterRules(QStringLiteral("qm.warning=true"));
        const QByteArray old("01/01/2020, 5,y,z\r\n");
        const auto fails = [&](const char *name,
                               const std::function<bool(const QString &)> &write) {
            QVERIFY(writeBytes(dir.filePath(name), old));
            // A logged line that never comes fails the test at its end.
            QTest::ignoreMessage(QtWarningMsg,
                QRegularExpression(QRegularExpression::escape(QLatin1String(name)) + ".*"
                    + QRegularExpression::escape(QString::fromLocal8Bit(std::strerror(error)))));
            QVERIFY2(!runFailingWrite(how, dir, name, write), name);
            // No file can stand where the folder is a file: the plain file there stays as
            // it was. An append whose sync failed has its lines in the file: taking them
            // back is for the closing of the day, which knows the size before.
            if (how == WriteFailure::FolderIsAFile)
                QCOMPARE(readBytes(dir.filePath("not-a-folder")), QByteArray("x"));
            else if (how != WriteFailure::SyncFails || !QByteArrayView(name).endsWith(".log"))
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
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
