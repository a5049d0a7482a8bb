// The system's audio capture devices, through DirectShow's system device enumerator: the
// process-wide list that the device combo boxes show, and the capture filter of a chosen
// device when recording starts.
//
// COM must be initialised on the calling thread (the program does it, apartment-threaded, on
// the user-interface thread, which is the only one that calls these).
#pragma once

#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "recording/ZarizeniZaznamu.h"

namespace Vrbatec {

class UlozisteNastaveni;

// The list that the last enumeration made, sorted and numbered (PravidlaZarizeni.h). It lives
// for the whole process; the user-interface thread alone touches it.
std::vector<ZarizeniZaznamu>& SeznamZarizeni();

// Clears the list and fills it again. Every device with a "FriendlyName" is listed, with its
// "Description" and "DevicePath", each empty when the device has none.
// S_OK; S_FALSE when the system lists no capture device. When the enumerator cannot be
// created or a device's property bag cannot be opened, the enumeration stops there and
// returns the failure, and the records read before stay in the list unsorted.
HRESULT VyjmenovatZarizeni();

// Before the first use of the recording device in the settings: lists the devices once and
// gives the store the first as its default (UlozisteNastaveni::DoplnitZarizeni). A system
// without one, or whose devices cannot be listed, still runs: recording then fails when it
// starts.
void ZajistitVychoziZarizeni(UlozisteNastaveni& uloziste);

// The capture filter of the device with that name, compared with each device's own
// (unnumbered) name ignoring case; the first such device counts. A numbered name ("Mikrofon
// #2") that no device has itself stands for the device listed under it.
//   S_FALSE and nothing done when filtr already holds a filter;
//   E_INVALIDARG for an empty name;
//   HRESULT_FROM_WIN32(ERROR_NOT_FOUND) when no device fits (the system's description of it
//   reads well in the error message that a failed recording start shows);
//   else the result of binding the device to its filter.
HRESULT NajitFiltrZachytu(const std::wstring& nazev, Microsoft::WRL::ComPtr<IBaseFilter>& filtr);
// The same for a record of the list: its device path, which is unique per device, decides
// first when it is not empty and some device has it (VybratZarizeni in PravidlaZarizeni.h).
HRESULT NajitFiltrZachytu(const ZarizeniZaznamu& zarizeni,
                          Microsoft::WRL::ComPtr<IBaseFilter>& filtr);

} // namespace Vrbatec
