// Times whole runs of the program against `wc -l` over the same grid files, with a
// warm page cache, and reports the program's peak resident memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct RunFigures {
    double seconds;
    long peak_kilobytes;
};

// Runs `argv` in `folder` with standard input from `input` (or /dev/null) and
// standard output discarded.
RunFigures run_once(const std::vector<std::string>& argv, const std::string& folder, const std::string& input) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        const int in = ::open(input.empty() ? "/dev/null" : input.c_str(), O_RDONLY);
        const int out = ::open("/dev/null", O_WRONLY);
        ::dup2(in, 0);
        ::dup2(out, 1);
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_run: %s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

RunFigures median_of(int runs, const std::vector<std::string>& argv, const std::string& folder, const std::string& input) {
    run_once(argv, folder, input);  // warms the page cache
    std::vector<RunFigures> figures;
    for (int i = 0; i < runs; ++i) figures.push_back(run_once(argv, folder, input));
    std::sort(figures.begin(), figures.end(), [](const RunFigures& a, const RunFigures& b) { return a.seconds < b.seconds; });
    RunFigures median = figures[figures.size() / 2];
    for (const RunFigures& f : figures) median.peak_kilobytes = std::max(median.peak_kilobytes, f.peak_kilobytes);
    return median;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_run PROGRAM DATA_FOLDER ONE_DAY_FOLDER RUNS\n");
        return 2;
    }
    const std::string program = std::filesystem::absolute(argv[1]).string();
    const std::string data = argv[2];
    const std::string one_day = argv[3];
    const int runs = std::max(1, std::atoi(argv[4]));
    const std::vector<std::string> grid_files = {"kavrin4_new.txt", "niwa_new.txt", "omi_new.txt"};

    std::uintmax_t bytes = 0;
    for (const std::string& name : grid_files) bytes += std::filesystem::file_size(std::filesystem::path(data) / name);
    const std::string site = (std::filesystem::absolute(data) / "site-input.txt").string();
    if (std::FILE* f = std::fopen(site.c_str(), "w")) {
        std::fputs("52.10, 5.18\n", f);
        std::fclose(f);
    }

    std::vector<std::string> wc = {"wc", "-l"};
    wc.insert(wc.end(), grid_files.begin(), grid_files.end());
    const RunFigures program_figures = median_of(runs, {program}, data, site);
    const RunFigures wc_figures = median_of(runs, wc, data, "");
    const RunFigures one_day_figures = median_of(3, {program}, one_day, site);

    const double megabytes = static_cast<double>(bytes) / 1e6;
    std::printf("input: %ju bytes (%.1f MB) in 3 grid files; %d timed runs each, warm page cache\n", bytes, megabytes, runs);
    std::printf("ozone_series : median %.3f s, %.0f MB/s\n", program_figures.seconds, megabytes / program_figures.seconds);
    std::printf("wc -l        : median %.3f s, %.0f MB/s\n", wc_figures.seconds, megabytes / wc_figures.seconds);
    std::printf("ratio ozone_series / wc -l: %.2f\n", program_figures.seconds / wc_figures.seconds);
    std::printf("peak resident memory of ozone_series: %.1f MB on the full input, %.1f MB on a one-day input\n",
                static_cast<double>(program_figures.peak_kilobytes) / 1024.0, static_cast<double>(one_day_figures.peak_kilobytes) / 1024.0);
    return 0;
}
