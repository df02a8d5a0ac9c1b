// Writes a "hist.sdf" of typical rows for the start-up benchmark:
//   make_history PATH [ROWS]      (default 65535 rows)
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "history/history_file.h"
#include "typical_history.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_history PATH [ROWS]\n";
        return 2;
    }
    const std::size_t rows = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : vask::HistoryRows::MaxRows;
    const std::string bytes = vask::saveHistory(vask::bench::typicalHistory(rows));
    std::ofstream out(argv[1], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
