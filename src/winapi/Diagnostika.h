// The one way the program turns a failure into words.
//
// A failed Win32 call becomes an HRESULT (HResultPosledniChyby). Within one operation a
// failed step throws that HRESULT (VyhoditHResult); the operation catches it and either
// reports it with the functions below or returns it. Failures that cannot happen in a
// working system end the process through the Fatalni... functions. Reporting never throws.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec {

// The code of GetLastError() as an HRESULT; E_FAIL when the last error is 0.
HRESULT HResultPosledniChyby();
// Throws the code as the operation's failure.
[[noreturn]] void VyhoditHResult(HRESULT hr);
// Throws HResultPosledniChyby() when ok is false.
void OveritVolani(bool ok);

// The system's description of the code, without the trailing line break.
std::wstring PopisHResult(HRESULT hr);
// "Nespecifikovaná chyba" for 0 (returns 1), else PopisHResult of the Win32 code (returns 0).
int TextChybyWin32(DWORD kod, std::wstring& text);
// The file name of the running executable.
HRESULT NazevSouboruAplikace(std::wstring& nazev);
// A string of the program's string table; false when it is missing or empty.
bool NacistRetezec(UINT id, std::wstring& text);

[[noreturn]] void FatalniChyba(const std::wstring& popis);
[[noreturn]] void FatalniPosledniChyba();
[[noreturn]] void FatalniHResult(HRESULT hr);

void ZobrazitChybu(const std::wstring& text);
void ZobrazitChybuSPopisem(const std::wstring& text, HRESULT hr);
void ZobrazitChybuZTabulky(UINT id);
void ZobrazitTextZTabulky(UINT id);
void ZobrazitChybuZTabulkySPopisem(UINT id, HRESULT hr);
// 0 for Yes; 1 for No, Cancel or closing the box.
int OtazkaAnoNe(const std::wstring& text);
HRESULT ZapsatDoProtokoluUdalosti(const std::wstring& text);

// What the reporting asks of the system. The real one shows message boxes, writes the
// event log and ends the process; tests install a double that records instead.
class SystemProHlaseni {
public:
    virtual int ZobrazitOkno(const std::wstring& text, const std::wstring& titulek, UINT typ) = 0;
    virtual HRESULT ZapsatUdalost(const std::wstring& zdroj, const std::wstring& text) = 0;
    [[noreturn]] virtual void UkoncitProces(UINT kod) = 0;
    [[noreturn]] virtual void UkoncitNouzove(const std::wstring& text) = 0;

protected:
    ~SystemProHlaseni() = default;
};

SystemProHlaseni& SystemHlaseni();
// Replaces the system for tests; null restores the real one. Returns the previous one.
SystemProHlaseni* NastavitSystemHlaseni(SystemProHlaseni* system);

} // namespace Vrbatec
