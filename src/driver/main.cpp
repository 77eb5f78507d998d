#include <cstdio>

#include "driver/byte_sink.hpp"
#include "driver/run.hpp"

int main(int argc, char** argv) {
  rxnform::FileSink console(stdout, /*owned=*/false);
  int status = rxnform::run_command(argc, argv, console);
  console.finish();
  return status;
}
