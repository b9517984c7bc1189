// The front end per dialect and script size (10 KB to 1 MB; 10 MB when
// ORRERY_BENCH_LARGE is set): tokenizing alone, the whole front end with
// its teardown timed apart, the peak heap against the script size, and the
// first parse in a fresh process.  Times are CPU time of the thread (of the
// process for the fresh one), so that a loaded machine gives figures close
// to an idle one.
//
//   bench_dialects --dump DIR                 writes the scripts to DIR
//   bench_dialects --child MODE VENDOR FILE   one run (MODE parse,
//       tokenize or teardown: a parse, then the front end's destruction
//       timed alone) in this fresh process; prints nanoseconds and errors.
//       Under callgrind, --toggle-collect='*TimedRun*' counts the run alone,
//       --toggle-collect='*TimedTeardown*' the teardown.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "bench_scripts.h"

extern char** environ;

#include "bench_heap.h"

using benchheap::Counting;
using benchheap::Live;
using benchheap::Peak;

namespace {

using benchscripts::TDialect;

// CPU time of this thread (of the process in a child run): the machine the
// figures are taken on is shared, and wall time would count the others.
struct Clock {
    using time_point = double;
    static double now(clockid_t Id = CLOCK_THREAD_CPUTIME_ID) {
        timespec T{};
        clock_gettime(Id, &T);
        return static_cast<double>(T.tv_sec) + static_cast<double>(T.tv_nsec) * 1e-9;
    }
};

double Seconds(double A, double B) { return B - A; }

const std::size_t Sizes[] = {10 << 10, 100 << 10, 1 << 20, 10 << 20};

std::string SizeName(std::size_t Bytes) {
    return Bytes >= (1 << 20) ? std::to_string(Bytes >> 20) + "MB" : std::to_string(Bytes >> 10) + "KB";
}

// The part a profiler counts in a child run.
__attribute__((noinline)) int TimedRun(TMarlSqlParser& P, bool TokenizeOnly) {
    if (!TokenizeOnly) return P.Parse();
    P.PrepareInput();
    P.Tokenize();
    return P.Tokens().Count();
}

__attribute__((noinline)) void TimedTeardown(std::unique_ptr<TMarlSqlParser>& P) { P.reset(); }

void BM_Tokenize(benchmark::State& State, const TDialect* D, std::size_t Bytes) {
    const std::string& S = benchscripts::Script(*D, Bytes);
    std::size_t Tokens = 0;
    for (auto _ : State) {
        auto P = std::make_unique<TMarlSqlParser>(D->Vendor);
        P->SetSqlTextString(S);
        auto A = Clock::now();
        Tokens = static_cast<std::size_t>(TimedRun(*P, true));
        State.SetIterationTime(Seconds(A, Clock::now()));
    }
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * S.size()));
    State.counters["tokens"] = static_cast<double>(Tokens);
}

void BM_FrontEnd(benchmark::State& State, const TDialect* D, std::size_t Bytes) {
    const std::string& S = benchscripts::Script(*D, Bytes);
    // One counted run first: its peak, its errors.
    Live.store(0);
    Peak.store(0);
    int Errors = 0;
    std::size_t Statements = 0;
    {
        Counting.store(true);
        TMarlSqlParser P(D->Vendor);
        P.SetSqlTextString(S);
        Errors = P.Parse() < 0 ? -1 : P.ErrorCount();
        Statements = static_cast<std::size_t>(P.Statements().Count());
        Counting.store(false);
    }
    if (Errors != 0) {
        State.SkipWithError(("the script has " + std::to_string(Errors) + " errors").c_str());
        return;
    }
    const double PeakRatio = static_cast<double>(Peak.load()) / static_cast<double>(S.size());
    double Parse = 0, Teardown = 0;
    for (auto _ : State) {
        auto P = std::make_unique<TMarlSqlParser>(D->Vendor);
        P->SetSqlTextString(S);
        auto A = Clock::now();
        TimedRun(*P, false);
        auto B = Clock::now();
        TimedTeardown(P);
        auto C = Clock::now();
        State.SetIterationTime(Seconds(A, B));
        Parse += Seconds(A, B);
        Teardown += Seconds(B, C);
    }
    const double N = static_cast<double>(State.iterations());
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * S.size()));
    State.counters["statements"] = static_cast<double>(Statements);
    State.counters["peak_per_byte"] = PeakRatio;
    State.counters["teardown_ms"] = Teardown / N * 1e3;
    State.counters["teardown_per_parse"] = Parse > 0 ? Teardown / Parse : 0;
}

std::string ScriptFile(const TDialect& D, std::size_t Bytes) {
    std::string Path = "/tmp/orrery_bench_" + std::to_string(getpid()) + "_" + D.Name + "_" + SizeName(Bytes) + ".sql";
    std::ofstream(Path, std::ios::binary) << benchscripts::Script(D, Bytes);
    return Path;
}

// Runs this program as a child on the script; its parse time in seconds.
double ChildRun(const std::string& Mode, const TDialect& D, const std::string& Path, int& Errors) {
    std::string Self = "/proc/self/exe", V = std::to_string(D.Vendor);
    const char* Argv[] = {Self.c_str(), "--child", Mode.c_str(), V.c_str(), Path.c_str(), nullptr};
    int Fd[2];
    if (pipe(Fd) != 0) return -1;
    posix_spawn_file_actions_t Fa;
    posix_spawn_file_actions_init(&Fa);
    posix_spawn_file_actions_adddup2(&Fa, Fd[1], 1);
    posix_spawn_file_actions_addclose(&Fa, Fd[0]);
    pid_t Pid = 0;
    int Rc = posix_spawn(&Pid, Self.c_str(), &Fa, nullptr, const_cast<char**>(Argv), environ);
    posix_spawn_file_actions_destroy(&Fa);
    close(Fd[1]);
    char Buf[128] = {};
    ssize_t Got = Rc == 0 ? read(Fd[0], Buf, sizeof Buf - 1) : -1;
    close(Fd[0]);
    if (Rc == 0) waitpid(Pid, nullptr, 0);
    long long Ns = -1;
    if (Got <= 0 || std::sscanf(Buf, "%lld %d", &Ns, &Errors) != 2) return -1;
    return static_cast<double>(Ns) * 1e-9;
}

void BM_FirstParse(benchmark::State& State, const TDialect* D, std::size_t Bytes) {
    const std::string Path = ScriptFile(*D, Bytes);
    int Errors = 0;
    for (auto _ : State) {
        double T = ChildRun("parse", *D, Path, Errors);
        if (T < 0) {
            State.SkipWithError("the child run failed");
            break;
        }
        State.SetIterationTime(T);
    }
    std::remove(Path.c_str());
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * benchscripts::Script(*D, Bytes).size()));
    State.counters["errors"] = Errors;
}

int Child(const std::string& Mode, int Vendor, const char* Path) {
    std::string Text = benchscripts::ReadFile(Path);
    double A = Clock::now(CLOCK_PROCESS_CPUTIME_ID);
    auto P = std::make_unique<TMarlSqlParser>(static_cast<std::uint8_t>(Vendor));
    P->SetSqlTextString(Text);
    int R = TimedRun(*P, Mode == "tokenize");
    double B = Clock::now(CLOCK_PROCESS_CPUTIME_ID);
    int Errors = Mode == "tokenize" ? 0 : (R < 0 ? -1 : P->ErrorCount());
    if (Mode == "teardown") {
        A = Clock::now(CLOCK_PROCESS_CPUTIME_ID);
        TimedTeardown(P);
        B = Clock::now(CLOCK_PROCESS_CPUTIME_ID);
    }
    std::printf("%lld %d\n", static_cast<long long>((B - A) * 1e9), Errors);
    std::fflush(stdout);
    std::_Exit(0);   // a host exits without freeing either
}

void Register() {
    const bool Large = std::getenv("ORRERY_BENCH_LARGE") != nullptr;
    for (const TDialect& D : benchscripts::Dialects())
        for (std::size_t Bytes : Sizes) {
            if (Bytes > (1 << 20) && !Large) continue;
            const std::string Suffix = std::string("/") + D.Name + "/" + SizeName(Bytes);
            const int Reps = Bytes >= (1 << 20) ? 3 : 0;
            auto* T = benchmark::RegisterBenchmark(("BM_Tokenize" + Suffix).c_str(), BM_Tokenize, &D, Bytes);
            auto* F = benchmark::RegisterBenchmark(("BM_FrontEnd" + Suffix).c_str(), BM_FrontEnd, &D, Bytes);
            auto* C = benchmark::RegisterBenchmark(("BM_FirstParse" + Suffix).c_str(), BM_FirstParse, &D, Bytes);
            for (auto* B : {T, F, C}) B->UseManualTime()->Unit(benchmark::kMillisecond);
            if (Reps) T->Iterations(Reps), F->Iterations(Reps), C->Iterations(Reps);
        }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child") return Child(argv[2], std::atoi(argv[3]), argv[4]);
    if (argc == 3 && std::string(argv[1]) == "--dump") {
        for (const TDialect& D : benchscripts::Dialects())
            for (std::size_t Bytes : Sizes)
                std::ofstream(std::string(argv[2]) + "/" + D.Name + "_" + SizeName(Bytes) + ".sql", std::ios::binary)
                    << benchscripts::Script(D, Bytes);
        return 0;
    }
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
