// Times rxnform at the tables' capacity against a physical-limit proxy for
// the same work: reading the three inputs and writing a file of the model's
// size through the page cache (cat of the inputs to /dev/null, then cat of a
// model of the same size into a new file). Runs alternate, so both see the
// same machine noise; medians are printed with their ratio and rxnform's
// peak resident memory.
//   usage: rxnform_bench RXNFORM [WORK_DIR] [RUNS]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "inputs.hpp"

namespace {

namespace fs = std::filesystem;

struct process_cost {
  double seconds;
  long peak_kib;
};

// Runs a program with its standard output sent to `output` and waits for it.
process_cost run(const std::vector<std::string>& argv, const std::string& output) {
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) _exit(127);
    dup2(fd, STDOUT_FILENO);
    close(fd);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", argv[0].c_str());
    std::exit(1);
  }
  return {seconds, usage.ru_maxrss};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void measure(const std::string& label, const rxnform_bench::network& net,
             const std::string& rxnform, const fs::path& dir, int runs) {
  const fs::path abbr = dir / (label + "_metabolites.txt");
  const fs::path react = dir / (label + "_reactions.txt");
  const fs::path exch = dir / (label + "_exchanges.txt");
  const fs::path model = dir / (label + ".mps");
  const fs::path reference = dir / (label + "_reference.mps");
  const fs::path copy = dir / (label + "_copy.mps");
  write(abbr, net.metabolites);
  write(react, net.reactions);
  write(exch, net.exchanges);
  const std::vector<std::string> convert = {rxnform, abbr, react, exch, model};
  run(convert, "/dev/null");  // the model the proxy copies, and a warm page cache
  fs::copy_file(model, reference, fs::copy_options::overwrite_existing);

  std::vector<double> ours, proxy;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    process_cost cost = run(convert, "/dev/null");
    ours.push_back(cost.seconds);
    peak = std::max(peak, cost.peak_kib);
    double read = run({"cat", abbr, react, exch}, "/dev/null").seconds;
    double written = run({"cat", reference}, copy).seconds;
    proxy.push_back(read + written);
  }
  double ours_median = median(ours);
  double proxy_median = median(proxy);
  std::printf("| %-10s | %8.1f MB | %9.1f ms | %9.1f ms | %5.2f | %6.1f MB |\n", label.c_str(),
              static_cast<double>(fs::file_size(model)) / 1e6, ours_median * 1e3,
              proxy_median * 1e3, ours_median / proxy_median, static_cast<double>(peak) / 1024);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: rxnform_bench RXNFORM [WORK_DIR] [RUNS]\n");
    return 2;
  }
  const std::string rxnform = fs::absolute(argv[1]);
  const fs::path dir = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "rxnform-bench";
  const int runs = argc > 3 ? std::stoi(argv[3]) : 15;
  fs::create_directories(dir);
  std::printf("medians of %d alternating runs\n", runs);
  std::printf("| input      | model file  | rxnform      | proxy        | ratio | peak RSS  |\n");
  std::printf("|------------|-------------|--------------|--------------|-------|-----------|\n");
  measure("worst-case", rxnform_bench::worst_case(), rxnform, dir, runs);
  measure("realistic", rxnform_bench::realistic(), rxnform, dir, runs);
  return 0;
}
