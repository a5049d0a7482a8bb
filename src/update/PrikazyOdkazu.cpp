#include "update/PrikazyOdkazu.h"

#include "update/Odkazy.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::PrikazyOdkazu {

void OtevritWebAplikace() {
    ZverejnenyModul().OtevritUrl(Odkazy::WebAplikace());
}

void OtevritPodporu() {
    ZverejnenyModul().OtevritUrl(Odkazy::EmailPodpory(ZverejnenyModul().NazevAplikace()));
}

void OtevritWebFirmy() {
    ZverejnenyModul().OtevritUrl(std::wstring(Odkazy::kWebFirmy));
}

} // namespace Vrbatec::PrikazyOdkazu
