// The undo history on a design that carries a large picture: what a step costs in time and
// what a full history adds to the editor's resident memory. And what one key typed into a
// note of megabytes costs, from the key to its recorded step.
#include "engine/MovementList.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/SampleRecords.h"
#include "ui/document/UndoHistory.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/pages/InfoPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace aw {

namespace {

constexpr int kHistoryLength = 100; // the steps the history keeps

// The undo history needs an application (it watches the input); one for the whole run. It
// is never destroyed: at exit it would outlive the parts of Qt its destructor uses.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "bench_undo";
    static char *argv[] = {name, nullptr};
    static QApplication *application = nullptr;
    if (!application) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = new QApplication(argc, argv);
    }
}

// A 2000 x 1500 24-bit bitmap (9 MB) of noise, as a photo loaded from the Info page makes.
std::vector<uint8_t> PhotoBitmap()
{
    std::vector<uint8_t> bitmap = TinyBitmap(2000, 1500);
    uint32_t noise = 12345;
    for (size_t i = 54; i < bitmap.size(); ++i) {
        noise = noise * 1664525u + 1013904223u;
        bitmap[i] = static_cast<uint8_t>(noise >> 24);
    }
    return bitmap;
}

// The full sample design with the photo, open in a document with its history started.
struct PicturedDocument {
    VehicleDocument Document;
    std::unique_ptr<UndoHistory> History;

    PicturedDocument()
    {
        EnsureApplication();
        std::unique_ptr<Vehicle> design = FullDesign();
        design->Picture = PhotoBitmap();
        Document.Adopt(std::move(design), QString());
        History = std::make_unique<UndoHistory>(Document);
        QCoreApplication::processEvents(); // the history settles its starting state
    }

    // One edit of the crew box, recorded as one step.
    void EditCrew(int32_t crew)
    {
        Document.Design().Crew = crew;
        Document.SetModified();
        History->Flush();
    }
};

// The resident set size, from the "VmRSS:" line of /proc/self/status (in kB); 0 where there is none.
double ResidentBytes()
{
    long kilobytes = 0;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
                break;
        std::fclose(status);
    }
    return static_cast<double>(kilobytes) * 1024.0;
}

// One edit and its step, on a history already full (the oldest step gives way each time).
void BM_UndoStepOnPicturedDesign(benchmark::State &state)
{
    PicturedDocument pictured;
    int32_t crew = 1000;
    for (int i = 0; i < kHistoryLength; ++i)
        pictured.EditCrew(++crew);
    for (auto _ : state)
        pictured.EditCrew(++crew);
}
BENCHMARK(BM_UndoStepOnPicturedDesign)->Unit(benchmark::kMicrosecond);

// The resident memory a full history of crew edits adds.
void BM_UndoHistoryMemoryOnPicturedDesign(benchmark::State &state)
{
    double added = 0;
    for (auto _ : state) {
        PicturedDocument pictured;
        const double before = ResidentBytes();
        for (int i = 0; i < kHistoryLength; ++i)
            pictured.EditCrew(1000 + i);
        added = ResidentBytes() - before;
    }
    state.counters["added_MB"] = added / (1024.0 * 1024.0);
}
BENCHMARK(BM_UndoHistoryMemoryOnPicturedDesign)->Iterations(1)->Unit(benchmark::kMillisecond);

// The Info page on the full sample design whose description holds megabytes of lines.
struct LongNoteEditor : EditorHost {
    VehicleDocument Design;
    std::unique_ptr<UndoHistory> History;
    MovementList Movement;
    std::unique_ptr<InfoPage> Page;
    QPlainTextEdit *Note = nullptr;

    explicit LongNoteEditor(size_t noteBytes)
    {
        EnsureApplication();
        std::unique_ptr<Vehicle> design = FullDesign();
        const std::string line = "Rebuilt after the river crossing, with the turret from the spare hull.\r\n";
        while (design->Description.size() < noteBytes)
            design->Description += line;
        Design.Adopt(std::move(design), QString());
        History = std::make_unique<UndoHistory>(Design);
        Page = std::make_unique<InfoPage>(*this);
        Page->ShowInfo();
        Page->show();
        Page->activateWindow();
        Note = Page->findChild<QPlainTextEdit *>(QStringLiteral("descriptionMemo"));
        Note->setFocus();
        Note->moveCursor(QTextCursor::End);
        QCoreApplication::processEvents(); // shown, and the history settles its starting state
    }

    VehicleDocument &Document() override { return Design; }
    void ShowResults() override {}
    MovementList &MovementLibrary() override { return Movement; }

    // One key pressed in the note, up to the step that records it.
    void Type(Qt::Key key, const QString &text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(Note, &press);
        QCoreApplication::sendEvent(Note, &release);
        QCoreApplication::processEvents();
    }
};

// One letter typed at the end of a 3 MB description, merged into the typing's one step.
void BM_KeyInLargeNote(benchmark::State &state)
{
    LongNoteEditor editor(3 * 1024 * 1024);
    for (auto _ : state)
        editor.Type(Qt::Key_A, QStringLiteral("a"));
    if (editor.History->Stack()->count() != 1)
        state.SkipWithError("the typing was not recorded as one step");
}
BENCHMARK(BM_KeyInLargeNote)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace aw
