// The process-wide source list and its file.
//
// The list is read at start-up and when the user names another file, and written after
// each add, edit or removal. A file that was there but could not be read (held open by
// another program, not in the list's encoding, damaged, too large) loads as an empty list
// without a word, as before; the first save that would replace it first copies it beside
// itself and tells the user where the copy is, so a list is never lost to an empty one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "sources/SeznamZdroju.h"

namespace Vrbatec {

class UlozisteZdroju {
public:
    explicit UlozisteZdroju(SeznamZdroju& seznam) : seznam_(seznam) {}
    UlozisteZdroju(const UlozisteZdroju&) = delete;
    UlozisteZdroju& operator=(const UlozisteZdroju&) = delete;

    // Clears the list and reads the file. Shows nothing; returns S_OK or why the file
    // could not be read (a missing file included).
    HRESULT Nacist(const std::wstring& cesta);
    // Writes the whole list to the file. Shows its own failures; the old file then stays.
    void Ulozit(const std::wstring& cesta);

private:
    bool CekaNaZalohu(const std::wstring& plnaCesta) const;
    void NastavitCekaNaZalohu(const std::wstring& plnaCesta, bool ceka);
    void ZalohovatNepouzitelny(const std::wstring& plnaCesta);

    SeznamZdroju& seznam_;
    // Files that could not be read at their last load and have not been copied yet.
    std::vector<std::wstring> cekajiNaZalohu_;
};

// The one list of the program; an index outside it given to a write is a fatal error.
SeznamZdroju& Zdroje();
UlozisteZdroju& UlozisteSeznamuZdroju();

} // namespace Vrbatec
