// The commands that open the program's web links: the application's page (40004), the
// support request by e-mail (40005), the maker's page, and the page of another application.
// When the shell cannot open the target (no browser, no mail program), an error box titled
// with the product name gives the system's reason.
#pragma once

#include <string>

namespace Vrbatec::PrikazyOdkazu {

void OtevritWebAplikace();
void OtevritPodporu();
void OtevritWebFirmy();
// Any URL or file, shown maximised.
void OtevritSHlasenimChyby(const std::wstring& cil);

} // namespace Vrbatec::PrikazyOdkazu
