// Writes the benchmarks' colour scan as a file: the 14 000 x 10 000 plan with a scanner's noise as
// a quality-85 JPEG, row by row, for the whole-process benchmarks (bench/first_picture_turns).
//
//   write_scan OUT.jpg
#include <iostream>

#include "scan_files.hpp"
#include "scan_rows.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_scan OUT.jpg\n";
    return 2;
  }
  tessera::examples::WriteJpegFile(argv[1], tessera::bench::ScanWidth(), tessera::bench::ScanHeight(), 85,
                                   tessera::bench::ScannedBgrRow);
  return 0;
}
