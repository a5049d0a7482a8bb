#include "ui/ShellPaneluUloh.h"

#include <propsys.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <string>

#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

namespace {

using Microsoft::WRL::ComPtr;

// The two properties of a task, spelled out so that no library has to supply them.
constexpr PROPERTYKEY kNazevPolozky{
    {0xf29f85e0, 0x4ff9, 0x1068, {0xab, 0x91, 0x08, 0x00, 0x2b, 0x27, 0xb3, 0xd9}}, 2};
constexpr PROPERTYKEY kOddelovacSeznamu{
    {0x9f4c2855, 0x9f79, 0x4b39, {0xa8, 0xd0, 0xe1, 0xd4, 0x2d, 0xe1, 0xd5, 0xf3}}, 6};

class ShellSystemu final : public ShellPaneluUloh {
public:
    HRESULT PridatTlacitka(HWND okno, HIMAGELIST obrazky, std::span<THUMBBUTTON> tlacitka,
                           const std::wstring& tipNahledu) override {
        ComPtr<ITaskbarList3> panel;
        HRESULT hr = VytvoritPanel(panel);
        if (SUCCEEDED(hr) && obrazky != nullptr) {
            hr = panel->ThumbBarSetImageList(okno, obrazky);
        }
        if (SUCCEEDED(hr)) {
            hr = panel->ThumbBarAddButtons(okno, static_cast<UINT>(tlacitka.size()),
                                           tlacitka.data());
        }
        if (SUCCEEDED(hr)) {
            hr = panel->SetThumbnailTooltip(okno, tipNahledu.c_str());
        }
        return hr;
    }

    HRESULT AktualizovatTlacitka(HWND okno, std::span<THUMBBUTTON> tlacitka) override {
        ComPtr<ITaskbarList3> panel;
        HRESULT hr = VytvoritPanel(panel);
        if (SUCCEEDED(hr)) {
            hr = panel->ThumbBarUpdateButtons(okno, static_cast<UINT>(tlacitka.size()),
                                              tlacitka.data());
        }
        return hr;
    }

    HRESULT NahraditSeznamSkoku(std::span<const ObsahPaneluUloh::UlohaSkoku> ulohy) override {
        std::wstring program;
        if (const HRESULT hr = NazevSouboruAplikace(program); FAILED(hr)) {
            return hr;
        }
        ComPtr<ICustomDestinationList> seznam;
        HRESULT hr = ::CoCreateInstance(CLSID_DestinationList, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(&seznam));
        if (FAILED(hr)) {
            return hr;
        }
        // The identity the process was given groups the list with the program's windows; a
        // process without one (a test) keeps the system's default.
        PWSTR idAplikace = nullptr;
        if (SUCCEEDED(::GetCurrentProcessExplicitAppUserModelID(&idAplikace))) {
            hr = seznam->SetAppID(idAplikace);
            ::CoTaskMemFree(idAplikace);
            if (FAILED(hr)) {
                return hr;
            }
        }
        UINT minimumSlotu = 0;
        ComPtr<IObjectArray> odebrane;
        if (hr = seznam->BeginList(&minimumSlotu, IID_PPV_ARGS(&odebrane)); FAILED(hr)) {
            return hr;
        }
        ComPtr<IObjectCollection> kolekce;
        hr = ::CoCreateInstance(CLSID_EnumerableObjectCollection, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&kolekce));
        if (FAILED(hr)) {
            seznam->AbortList();
            return hr;
        }
        // A task that cannot be made is left out; the others still go.
        for (const ObsahPaneluUloh::UlohaSkoku& uloha : ulohy) {
            ComPtr<IShellLinkW> odkaz;
            if (SUCCEEDED(VytvoritOdkaz(program, uloha, odkaz))) {
                kolekce->AddObject(odkaz.Get());
            }
        }
        ComPtr<IObjectArray> pole;
        hr = kolekce.As(&pole);
        if (SUCCEEDED(hr)) {
            hr = seznam->AddUserTasks(pole.Get());
        }
        if (SUCCEEDED(hr)) {
            hr = seznam->CommitList();
        }
        if (FAILED(hr)) {
            seznam->AbortList();
        }
        return hr;
    }

private:
    static HRESULT VytvoritPanel(ComPtr<ITaskbarList3>& panel) {
        return ::CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&panel));
    }

    static HRESULT VytvoritOdkaz(const std::wstring& program,
                                 const ObsahPaneluUloh::UlohaSkoku& uloha,
                                 ComPtr<IShellLinkW>& odkaz) {
        HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(&odkaz));
        if (FAILED(hr)) {
            return hr;
        }
        ComPtr<IPropertyStore> vlastnosti;
        if (hr = odkaz.As(&vlastnosti); FAILED(hr)) {
            return hr;
        }
        PROPVARIANT hodnota{};
        if (uloha.oddelovac) {
            hodnota.vt = VT_BOOL;
            hodnota.boolVal = VARIANT_TRUE;
            hr = vlastnosti->SetValue(kOddelovacSeznamu, hodnota);
        } else {
            const std::wstring argument(uloha.argument);
            const std::wstring popis(uloha.popis);
            hr = odkaz->SetPath(program.c_str());
            if (SUCCEEDED(hr)) {
                hr = odkaz->SetArguments(argument.c_str());
            }
            if (SUCCEEDED(hr)) {
                hr = odkaz->SetIconLocation(program.c_str(), -uloha.ikona);
            }
            if (SUCCEEDED(hr)) {
                hr = odkaz->SetDescription(popis.c_str());
            }
            std::wstring nazev(uloha.nazev);
            hodnota.vt = VT_LPWSTR;
            hodnota.pwszVal = nazev.data();
            if (SUCCEEDED(hr)) {
                hr = vlastnosti->SetValue(kNazevPolozky, hodnota);
            }
        }
        if (SUCCEEDED(hr)) {
            hr = vlastnosti->Commit();
        }
        return hr;
    }
};

} // namespace

std::unique_ptr<ShellPaneluUloh> ShellPaneluUlohSystemu() {
    return std::make_unique<ShellSystemu>();
}

} // namespace Vrbatec::Ui
