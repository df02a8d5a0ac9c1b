// The end-to-end tests take the path of vask.exe as their first argument.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "win/text.h"

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: e2e_tests PATH-OF-vask.exe\n");
        return 2;
    }
    vask::e2e::setVaskExe(argv[1]);
    return RUN_ALL_TESTS();
}
