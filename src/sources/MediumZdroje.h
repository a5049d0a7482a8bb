// What the player can say about the media it has open, as the source-properties dialog asks
// for it. The player implements it; the dialog knows nothing else of the player.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec {

class MediumZdroje {
public:
    // getItemInfo-style attributes ("Title", "Bitrate", "Author", "Copyright") of the current
    // media, asked for the moment of one query; a failure also when nothing is open.
    virtual HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const = 0;
    virtual HRESULT NazevMedia(std::wstring& nazev) const = 0;

protected:
    ~MediumZdroje() = default;
};

} // namespace Vrbatec
