#include "update/PrikazyOdkazu.h"

#include <windows.h>

#include "app/Aplikace.h"
#include "app/Diagnostika.h"
#include "app/DiagnostikaText.h"
#include "update/Odkazy.h"
#include "winapi/OtviracOdkazu.h"

namespace Vrbatec::PrikazyOdkazu {

void OtevritWebAplikace() {
    OtevritSHlasenimChyby(Odkazy::WebAplikace());
}

void OtevritPodporu() {
    OtevritSHlasenimChyby(Odkazy::EmailPodpory(AplikaceInstance().NazevProduktu()));
}

void OtevritWebFirmy() {
    OtevritSHlasenimChyby(std::wstring(Odkazy::kWebFirmy));
}

void OtevritSHlasenimChyby(const std::wstring& cil) {
    if (WinApi::OtevritOdkaz(cil, SW_MAXIMIZE)) {
        return;
    }
    SystemHlaseni().ZobrazitOkno(PopisHResult(HResultPosledniChyby()),
                                 AplikaceInstance().NazevProduktu(), DiagnostikaText::kTypChyba);
}

} // namespace Vrbatec::PrikazyOdkazu
