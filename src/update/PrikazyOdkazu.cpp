#include "update/PrikazyOdkazu.h"

#include "app/Aplikace.h"
#include "update/Odkazy.h"

namespace Vrbatec::PrikazyOdkazu {

void OtevritWebAplikace() {
    AplikaceInstance().OtevritUrl(Odkazy::WebAplikace());
}

void OtevritPodporu() {
    AplikaceInstance().OtevritUrl(Odkazy::EmailPodpory(AplikaceInstance().NazevProduktu()));
}

void OtevritWebFirmy() {
    AplikaceInstance().OtevritUrl(std::wstring(Odkazy::kWebFirmy));
}

} // namespace Vrbatec::PrikazyOdkazu
