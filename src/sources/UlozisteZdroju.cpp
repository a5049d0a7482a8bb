#include "sources/UlozisteZdroju.h"

#include <algorithm>

#include "winapi/Diagnostika.h"
#include "sources/SouborZdroju.h"
#include "sources/ZalohaSeznamu.h"

namespace Vrbatec {

namespace {

bool StejnaCesta(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

void ChybaIndexuSeznamu(std::int32_t kod) {
    FatalniHResult(static_cast<HRESULT>(kod));
}

} // namespace

HRESULT UlozisteZdroju::Nacist(const std::wstring& cesta) {
    seznam_.Vymazat();
    SouborZdroju::Precteno precteno = SouborZdroju::Precist(cesta);
    seznam_.Nahradit(std::move(precteno.zdroje));
    NastavitCekaNaZalohu(SouborZdroju::PlnaCesta(cesta), precteno.nepouzitelny);
    return precteno.hr;
}

void UlozisteZdroju::Ulozit(const std::wstring& cesta) {
    try {
        const std::wstring plna = SouborZdroju::PlnaCesta(cesta);
        if (CekaNaZalohu(plna)) {
            ZalohovatNepouzitelny(plna);
        }
        SouborZdroju::Zapsat(plna, seznam_.Vse());
    } catch (HRESULT hr) {
        ZobrazitChybu(PopisHResult(hr));
    }
}

void UlozisteZdroju::ZalohovatNepouzitelny(const std::wstring& plnaCesta) {
    // A file that has gone meanwhile, or is empty now, has nothing left to keep.
    if (SouborZdroju::MoznaExistuje(plnaCesta) && !SouborZdroju::ZnameJakoPrazdny(plnaCesta)) {
        const std::wstring zaloha = SouborZdroju::Zalohovat(plnaCesta);
        NastavitCekaNaZalohu(plnaCesta, false);
        ZobrazitChybu(ZalohaSeznamu::TextOZaloze(plnaCesta, zaloha));
    } else {
        NastavitCekaNaZalohu(plnaCesta, false);
    }
}

bool UlozisteZdroju::CekaNaZalohu(const std::wstring& plnaCesta) const {
    return std::any_of(cekajiNaZalohu_.begin(), cekajiNaZalohu_.end(),
                       [&](const std::wstring& c) { return StejnaCesta(c, plnaCesta); });
}

void UlozisteZdroju::NastavitCekaNaZalohu(const std::wstring& plnaCesta, bool ceka) {
    std::erase_if(cekajiNaZalohu_,
                  [&](const std::wstring& c) { return StejnaCesta(c, plnaCesta); });
    if (ceka) {
        cekajiNaZalohu_.push_back(plnaCesta);
    }
}

SeznamZdroju& Zdroje() {
    static SeznamZdroju seznam(ChybaIndexuSeznamu);
    return seznam;
}

UlozisteZdroju& UlozisteSeznamuZdroju() {
    static UlozisteZdroju uloziste(Zdroje());
    return uloziste;
}

} // namespace Vrbatec
