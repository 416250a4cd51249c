// Cost of one settings read and one settings write: open, one statement, close.
#include "store/SQLiteDatabase.h"
#include "store/Settings.h"

#include "TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

class SettingsFile {
public:
    SettingsFile() {
        TSQLiteDatabase db(file_);
        db.RunSQL("CREATE TABLE GBtx (GBtxID INTEGER PRIMARY KEY, ColoeN INTEGER, TouM NUMERIC, Ghdx INTEGER)");
        db.RunSQL("INSERT INTO GBtx VALUES (1, 255, 150, 100)");
    }
    const std::string& Name() const { return file_; }

private:
    TempFolder folder_;
    std::string file_ = folder_.File(kSettingsFile);
};

void ReadHalo(benchmark::State& state) {
    const SettingsFile settings;
    for (auto _ : state) benchmark::DoNotOptimize(ReadHaloSettings(settings.Name()));
}
BENCHMARK(ReadHalo);

void WriteHalo(benchmark::State& state) {
    const SettingsFile settings;
    for (auto _ : state) WriteHaloSettings({L"16711680", L"150", L"100"}, settings.Name());
}
BENCHMARK(WriteHalo);

}  // namespace

BENCHMARK_MAIN();
