#include "journal/datetime.h"
#include "journal/file_names.h"
#include "journal/text_formats.h"
#include "tracker/core/desktop.h"
#include "tracker/core/tracker.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace qm;

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return makeDateTime(QDate(2026, 12, 5), QTime(8, 0)); }
};

class Silent final : public Screens, public Questions, public Desktop
{
public:
    void showWelcome() override { }
    bool runStartWindow() override { return true; }
    void showMainWindow() override { }
    void hideMainWindow() override { }
    void updateMainWindow() override { }
    void runChangeDialog() override { }
    void hideChangeDialog() override { }
    void showEditor() override { }
    void hideEditor() override { }
    bool isEditorVisible() const override { return false; }
    bool isOtherWindowVisible() const override { return false; }
    bool isModalWindowOpen() const override { return false; }
    void runAbsenceSettings() override { }
    void runJournal() override { }
    void addTrayIcon() override { }
    void removeTrayIcon() override { }
    void endProgram() override { }
    bool askStockMessage(const StockMessage &, bool &) override { return true; }
    std::optional<QString> askText(const QString &, const QString &) override { return {}; }
    void warn(const QString &, const QString &) override { }
    void inform(const QString &, const QString &) override { }
    bool confirm(const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
    AbsenceAnswer askAbsence(const QString &) override { return AbsenceAnswer::Ignore; }
    bool openFile(const QString &, std::function<void()>) override { return true; }
    bool openUrl(const QString &, std::function<void()>) override { return true; }
    bool startProgram(const QString &) override { return true; }
};

// A journal of `lines` records, ten a day, ending on 04/12/2026, about 48 bytes a line.
void writeJournal(const QString &path, int lines)
{
    static const char *const kActivities[] = { "Dossiers clients", "Réunion équipe",
        "Courrier entrant", "Développement", "Formation interne" };
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the journal");
    QByteArray block;
    QDate day = QDate(2026, 12, 4).addDays(-(lines / 10));
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0)
            day = day.addDays(1);
        block += dateText(day).toLatin1() + ", " + QByteArray::number(5 + i % 90) + ','
            + kActivities[i % 5] + ",commentaire " + QByteArray::number(i % 7) + "\r\n";
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

const QByteArray kSettings = "User=-\r\nMessage=1=Faux\r\nMessage=2=Faux\r\nActivity=Dossiers\r\n"
                             "Activity=Réunion\r\nActivity=Courrier\r\n";

struct BigJournal
{
    BigJournal()
    {
        writeJournal(dir.filePath(QStringLiteral("Quillmere.log")), 1'000'000);
        writeBytes(QStringLiteral("Quillmere.ini"), kSettings);
    }
    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QTemporaryDir dir;
};

BigJournal &bigJournal()
{
    static BigJournal journal;
    return journal;
}

void BM_LoadDayFromJournal(benchmark::State &state)
{
    BigJournal &journal = bigJournal();
    FixedClock clock;
    Silent silent;
    const ProgramFiles files(journal.dir.path());
    HistoryModel history;
    Day day(files, history, clock, silent);
    day.chooseDay(makeDateTime(QDate(2026, 12, 4), QTime(8, 0)));
    for (auto _ : state) {
        day.resetHistory(kStartupLayout);
        if (day.loadDayFromJournal() != JournalRows::Shown)
            state.SkipWithError("no record of the day");
    }
    state.counters["rows"] = day.state().historyRowOffset();
    state.counters["bytes"] = double(QFileInfo(files.journalPath).size());
}
BENCHMARK(BM_LoadDayFromJournal)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A day of 300 one-minute activities, then one more change: confirm, close, rewrite the file.
void BM_ChangeWith300Rows(benchmark::State &state)
{
    QTemporaryDir dir;
    {
        QFile settings(dir.filePath(QStringLiteral("Quillmere.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(kSettings);
    }
    FixedClock clock;
    Silent silent;
    Tracker tracker(dir.path(), clock, silent, silent, silent);
    tracker.start();
    auto change = [&tracker](int activity) {
        tracker.openChangeDialog();
        tracker.changeForm().fields().duration = QStringLiteral("1");
        tracker.changeForm().fields().activityIndex = activity;
        tracker.confirmChange();
    };
    for (int i = 0; i < 300; ++i)
        change(1 + i % 3);
    for (auto _ : state) {
        change(2);
        state.PauseTiming();
        tracker.deleteLastActivity();
        state.ResumeTiming();
    }
    state.counters["rows"] = tracker.state().dayActivityCount() + 1;
}
BENCHMARK(BM_ChangeWith300Rows)->Unit(benchmark::kMillisecond);

// Every key in the change dialog saves the settings: with full lists, a key that changes
// nothing must cost next to nothing.
void BM_KeyInChangeDialog(benchmark::State &state)
{
    QTemporaryDir dir;
    QByteArray settings("User=-\r\n");
    for (int i = 0; i < 301; ++i)
        settings += "Activity=Activité numéro " + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < 100; ++i)
        settings += "Comment=Commentaire type " + QByteArray::number(i) + "\r\n";
    QFile file(dir.filePath(QStringLiteral("Quillmere.ini")));
    if (file.open(QIODevice::WriteOnly))
        file.write(settings);
    file.close();
    FixedClock clock;
    Silent silent;
    Tracker tracker(dir.path(), clock, silent, silent, silent);
    tracker.start();
    tracker.openChangeDialog();
    for (auto _ : state)
        tracker.changeDialogKeyPressed();
}
BENCHMARK(BM_KeyInChangeDialog)->Unit(benchmark::kMicrosecond);

// From the creation of the windows to the main window on screen, with the million-line
// journal and an interrupted day to recover: the start-up path the user waits for.
void BM_StartUpToMainWindow(benchmark::State &state)
{
    BigJournal &journal = bigJournal();
    journal.writeBytes(QStringLiteral("Quillmere.day"),
        "04/12/2026\r\n08:00:00, 30,Dossiers,\r\n08:30:00, 45,Réunion,\r\n");
    FixedClock clock;
    Silent desktop;
    for (auto _ : state) {
        WindowSet windows(false, [] {});
        Tracker tracker(journal.dir.path(), clock, windows, windows, desktop);
        windows.attach(tracker);
        tracker.start();
        if (!QTest::qWaitForWindowExposed(windows.mainWindow()))
            state.SkipWithError("the main window did not show");
        state.PauseTiming();
        windows.mainWindow()->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const double applicationMs = double(clock.nsecsElapsed()) / 1e6;
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("QApplication construction (ms)", std::to_string(applicationMs));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
