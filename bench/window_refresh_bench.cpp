// One year refresh of the real window, in-process on the offscreen platform:
// setting the year text runs the nested refresh, which writes every box. No
// repaint is forced; the paints it schedules are coalesced by Qt.

#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QString>

#include <benchmark/benchmark.h>

#include "message_box.h"
#include "tarvindr.h"

namespace {

class SilentBox : public MessageBox {
public:
    void show(const std::string&, int, const std::string&) override { ++shown; }
    int shown = 0;
};

void YearRefresh(benchmark::State& state) {
    SilentBox box;
    Tarvindr window(&box);
    window.show();
    QApplication::processEvents();
    auto* year = window.findChild<QLineEdit*>(QStringLiteral("WelkJaar"));
    // Precomputed texts, so the loop measures the refresh and not the formatting.
    QStringList texts;
    for (int y = 100; y <= 2100; ++y) texts << QString::number(y);
    qsizetype i = 0;
    while (state.KeepRunning()) {
        year->setText(texts[i]);
        i = (i + 1) % texts.size();
    }
    if (box.shown != 0) state.SkipWithError("a message box was shown");
}
BENCHMARK(YearRefresh)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
