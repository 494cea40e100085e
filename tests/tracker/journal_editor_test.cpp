#include "rig.h"

#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

// Line ends of both kinds, a line of another encoding, a line the readers skip, a date spread
// through the file, the date of the day file and a date that is none.
const QByteArray kJournal = "03/12/2026, 60,Dossiers,client\r\n"
                            "04/12/2026, 90,Courrier,\r\n"
                            "note de la main\r\n"
                            "03/12/2026, 30,R\xE9union,\n"
                            "05/12/2026, 15,Dossiers,\r\n"
                            "31/02/2026, 5,Dossiers,\r\n"
                            "03/12/2026, 45,pause,\r\n";

const QByteArray kSettings = kThreeActivities + "OldActivity=Archives\r\n";

using Edit = std::function<void(JournalEditor &)>;

// The fields of a row (a new record for -1) with the given values.
RecordFields fields(
    const JournalEditor &editor, int row, int minutes, const QString &activity, QString comment)
{
    RecordFields fields = row < 0 ? editor.newFields() : *editor.fieldsOf(row);
    fields.minutes = minutes;
    fields.activityIndex = int(fields.activities.indexOf(activity));
    fields.comment = std::move(comment);
    return fields;
}

Edit modify(int row, int minutes, const QString &activity, const QString &comment = {})
{
    return [=](JournalEditor &editor) {
        editor.modify(row, fields(editor, row, minutes, activity, comment));
    };
}

struct Folder : Rig
{
    Folder()
    {
        writeBytes(file(kJournalFileName), kJournal);
        startDay(kSettings);
        tracker.openJournal();
    }
    JournalEditor &editor() { return tracker.journal(); }
    QStringList copies() const
    {
        return QDir(file(u"Sauvegardes")).entryList({ "Quillmere-*.log" }, QDir::Files);
    }
    QByteArray journal() const { return bytes(kJournalFileName); }
};

} // namespace

Q_DECLARE_METATYPE(Edit)

class JournalEditorTest : public QObject
{
    Q_OBJECT

private slots:
    // Each edit of 03/12 saved: only its lines change, and the journal read is kept as a copy.
    void edits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing written
        QTest::addColumn<QString>("warning");
        QTest::newRow("another activity, its line end kept")
            << modify(1, 30, "Dossiers")
            << QByteArray(kJournal).replace("30,R\xE9union,\n", "30,Dossiers,\n") << "";
        QTest::newRow("a comment with a comma and a line break")
            << modify(0, 60, "Dossiers", "a,b\nc")
            << QByteArray(kJournal).replace("60,Dossiers,client", "60,Dossiers,a;b c") << "";
        QTest::newRow("a longer pause")
            << modify(2, 50, "pause") << QByteArray(kJournal).replace(" 45,pause", " 50,pause")
            << "";
        // The fourth removal finds no row left, and changes nothing.
        QTest::newRow("every record removed")
            << Edit([](JournalEditor &editor) {
                   for (int i = 0; i < 4; ++i)
                       editor.remove(0);
               })
            << QByteArray(kJournal)
                   .replace("03/12/2026, 60,Dossiers,client\r\n", "")
                   .replace("03/12/2026, 30,R\xE9union,\n", "")
                   .replace("03/12/2026, 45,pause,\r\n", "")
            << "";
        QTest::newRow("over 24 hours")
            << modify(0, 1400, "Dossiers") << QByteArray() << "dépasser 24 h en tout (ici 24 h 35)";
        // Added after the date's last line, the comma of its comment replaced.
        QTest::newRow("24 hours to the minute by adding") << Edit([](JournalEditor &editor) {
            editor.add(fields(editor, -1, 1305, "Courrier", "x,y"));
        }) << kJournal + "03/12/2026, 1305,Courrier,x;y\r\n"
                                                          << "";
        QTest::newRow("over 24 hours by adding") << Edit([](JournalEditor &editor) {
            editor.add(fields(editor, -1, 1306, "Courrier", ""));
        }) << QByteArray() << "dépasser 24 h";
        QTest::newRow("put back as it was") << Edit([](JournalEditor &editor) {
            editor.modify(1, fields(editor, 1, 31, "Réunion", ""));
            editor.modify(1, fields(editor, 1, 30, "Réunion", ""));
        }) << QByteArray() << "";
    }
    void edits()
    {
        QFETCH(Edit, edit);
        QFETCH(QByteArray, expected);
        QFETCH(QString, warning);
        Folder folder;
        JournalEditor &editor = folder.editor();
        editor.choose("03/12/2026");
        edit(editor);
        QCOMPARE(editor.save(), !expected.isEmpty());
        QCOMPARE(folder.journal(), expected.isEmpty() ? kJournal : expected);
        QCOMPARE(folder.questions.warnings.join(u'\n').contains(warning), true);
        QCOMPARE(folder.questions.warnings.isEmpty(), warning.isEmpty());
        const QStringList copies = folder.copies();
        QCOMPARE(copies.size(), expected.isEmpty() ? 0 : 1);
        if (!copies.isEmpty())
            QCOMPARE(folder.bytes(QStringLiteral("Sauvegardes/") + copies.first()), kJournal);
        // Saved, the window shows the journal as it now is.
        QVERIFY(!editor.isModified() || expected.isEmpty());
    }

    // A journal changed behind the window (a day closed meanwhile) is never overwritten: it is
    // read again and the user told. A copy that cannot be made leaves the journal and the edits.
    void nothingWrittenOver_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::newRow("journal changed since read") << true;
        QTest::newRow("no folder for the copy") << false;
    }
    void nothingWrittenOver()
    {
        QFETCH(bool, changed);
        Folder folder;
        JournalEditor &editor = folder.editor();
        editor.choose("03/12/2026");
        editor.remove(0);
        QByteArray journal = kJournal;
        if (changed)
            journal += "06/12/2026, 10,Courrier,\r\n";
        else
            writeBytes(folder.file(u"Sauvegardes"), "a file");
        writeBytes(folder.file(kJournalFileName), journal);
        QVERIFY(!editor.save());
        QCOMPARE(folder.journal(), journal);
        QCOMPARE(folder.questions.warnings.size(), 1);
        QVERIFY2(folder.questions.warnings.first().contains(
                     changed ? "a changé depuis qu'il a été lu" : "n'a pas été modifié"),
            qPrintable(folder.questions.warnings.first()));
        QCOMPARE(editor.isModified(), !changed);
        QCOMPARE(editor.days().first().date, changed ? "06/12/2026" : "04/12/2026");
        QVERIFY(QFileInfo(folder.file(u"Sauvegardes")).isFile() || folder.copies().isEmpty());
    }

    // The closed days, newest first with their totals, and a day's records in file order; the
    // day in progress and a date that is none are not offered. The undo puts the journal read
    // back byte for byte, and can itself be undone; nothing happens when the user says no.
    void daysAndUndo()
    {
        Folder folder;
        JournalEditor &editor = folder.editor();
        QStringList days;
        for (const JournalDay &day : editor.days())
            days.append(day.date + u' ' + durationText(day.minutes));
        QCOMPARE(days, QStringList({ "04/12/2026 1 h 30", "03/12/2026 2 h 15" }));
        editor.choose("03/12/2026");
        QStringList records;
        for (const JournalRecord &record : editor.records())
            records.append(record.minutesText + u',' + record.activity);
        QCOMPARE(records, QStringList({ " 60,Dossiers", " 30,Réunion", " 45,pause" }));
        // Current and retired activities are on offer, pauses not; a record keeps its own.
        const RecordFields second = *editor.fieldsOf(1);
        QCOMPARE(second.activities.at(second.activityIndex), "Réunion");
        QCOMPARE(editor.fieldsOf(2)->activities,
            QStringList({ "Dossiers", "Réunion", "Courrier", "Archives", "pause" }));
        QVERIFY(!editor.fieldsOf(3));
        editor.choose("05/12/2026");
        QVERIFY(editor.chosenDate().isEmpty());
        QVERIFY(!editor.canUndo());
        editor.choose("04/12/2026");
        editor.modify(0, fields(editor, 0, 80, "Courrier", ""));
        QVERIFY(editor.save());
        const QByteArray corrected = folder.journal();
        QCOMPARE(corrected, QByteArray(kJournal).replace(" 90,Courrier", " 80,Courrier"));
        folder.questions.confirmAnswer = false;
        QVERIFY(!editor.undoLastCorrection());
        QCOMPARE(folder.journal(), corrected);
        folder.questions.confirmAnswer = true;
        QVERIFY(editor.undoLastCorrection());
        QVERIFY2(folder.questions.confirmations.last().contains(
                     "tel qu'il était le 05/12/2026 à 09:00:00"),
            qPrintable(folder.questions.confirmations.last()));
        QCOMPARE(folder.journal(), kJournal);
        QCOMPARE(editor.days().first().minutes, 90);
        QVERIFY(editor.undoLastCorrection());
        QCOMPARE(folder.journal(), corrected);
        QCOMPARE(folder.copies().size(), 3);
        QVERIFY(folder.questions.warnings.isEmpty());
    }

    // A journal that cannot be read is not shown; a missing one shows no day.
    void unreadableJournal()
    {
        Rig rig;
        rig.startDay();
        QDir().mkpath(rig.file(kJournalFileName));
        rig.tracker.openJournal();
        QVERIFY(!rig.tracker.hasEnded());
        QVERIFY(!rig.screens.log.contains("journal"));
        QCOMPARE(rig.questions.warnings,
            QStringList("Quillmere - Journal|Le journal " + rig.file(kJournalFileName)
                + " ne peut pas être lu."));
        QDir().rmdir(rig.file(kJournalFileName));
        rig.tracker.openJournal();
        QVERIFY(rig.screens.log.contains("journal"));
        QVERIFY(rig.tracker.journal().days().isEmpty());
    }
};

QTEST_GUILESS_MAIN(JournalEditorTest)
#include "journal_editor_test.moc"
