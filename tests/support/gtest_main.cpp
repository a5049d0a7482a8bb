#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

namespace {

// tools/wine/run.sh names a file here to learn that the program got as far as its own code;
// a failure without it is Wine's, not the tests'.
void OznamitStart() {
    char cesta[MAX_PATH];
    const DWORD delka = ::GetEnvironmentVariableA("ZV_ZNAMKA_STARTU", cesta, MAX_PATH);
    if (delka == 0 || delka >= MAX_PATH) {
        return;
    }
    const HANDLE soubor = ::CreateFileA(cesta, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor != INVALID_HANDLE_VALUE) {
        ::CloseHandle(soubor);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    OznamitStart();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#else
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
#endif
