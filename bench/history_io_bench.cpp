// Saving and loading a full "hist.sdf" (65,535 typical rows) under Windows
// with the program's own file functions, beside the floor of writing and
// reading the same bytes with one WriteFile or ReadFile; and what a save
// costs the window thread, the snapshot it hands to the saving thread,
// beside copying a pointer to each row.
//   history_io_bench FOLDER RUNS
// Prints "save", "load" and "snapshot" lines: label, median ms, floor median ms.
#include <windows.h>

#include "wall_clock.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "history/history_file.h"
#include "typical_history.h"
#include "win/files.h"
#include "win/text.h"

namespace {

template <typename Work>
double timeMs(Work work) {
    const double start = nowMs();
    work();
    return nowMs() - start;
}

void writePlain(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!ok || written != bytes.size()) throw std::runtime_error("cannot write the floor file");
}

std::string readPlain(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read the floor file");
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: history_io_bench FOLDER RUNS\n");
        return 2;
    }
    using namespace vask;
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    const std::wstring history = folder + L"hist.sdf", floorFile = folder + L"floor.sdf";
    const int runs = std::max(1, _wtoi(argv[2]));
    try {
        HistoryRows rows;
        rows.replaceAll(bench::typicalHistory(HistoryRows::MaxRows));
        const std::string bytes = saveHistory(rows);

        std::vector<double> save, saveFloor, load, loadFloor, snapshot, snapshotFloor;
        HistorySnapshot taken;
        for (int run = 0; run < runs; ++run) {
            save.push_back(timeMs([&] { win::saveFileAtomically(history, saveHistory(rows)); }));
            saveFloor.push_back(timeMs([&] { writePlain(floorFile, bytes); }));
            load.push_back(timeMs([&] {
                const HistoryRows loaded = loadHistory(*win::readWholeFile(history), win::ansiDecoder()).rows;
                if (loaded.size() != rows.size()) throw std::runtime_error("the history did not read back");
            }));
            loadFloor.push_back(timeMs([&] { readPlain(floorFile); }));
            // The saving thread lets go of the snapshot and leaves its memory
            // for the next: only its making is timed.
            taken.rows.clear();
            snapshot.push_back(timeMs([&] { rows.snapshot(taken); }));
            if (taken.rows.size() != rows.size()) throw std::runtime_error("a row is missing");
            snapshotFloor.push_back(timeMs([&] {
                std::vector<const HistoryRecord*> pointers;
                pointers.reserve(rows.size());
                for (const HistoryRecord& row : rows) pointers.push_back(&row);
                if (pointers.size() != rows.size()) throw std::runtime_error("a row is missing");
            }));
        }
        DeleteFileW(floorFile.c_str());
        std::wprintf(L"save\t%.1f\t%.1f\n", median(save), median(saveFloor));
        std::wprintf(L"load\t%.1f\t%.1f\n", median(load), median(loadFloor));
        std::wprintf(L"snapshot\t%.2f\t%.2f\n", median(snapshot), median(snapshotFloor));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "history_io_bench: %s\n", error.what());
        return 1;
    }
}
