// The commands that open the program's web links: the application's page (40004), the
// support request by e-mail (40005), and the maker's page.
// When the shell cannot open the target (no browser, no mail program), an error box titled
// with the product name gives the system's reason.
#pragma once

namespace Vrbatec::PrikazyOdkazu {

void OtevritWebAplikace();
void OtevritPodporu();
void OtevritWebFirmy();

} // namespace Vrbatec::PrikazyOdkazu
