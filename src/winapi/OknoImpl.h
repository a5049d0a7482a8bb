// The window implementation: a C++ object bound to one window, which sees the window's
// messages first, in ZpracovatZpravu.
//
// Rules of the binding:
// - An object binds to a window in one of three ways: it creates a window of a class from
//   RegistraceTridy.h (bound at WM_NCCREATE through lpCreateParams), it attaches to an
//   existing window by subclassing it (Pripojit; Vytvorit does this for classes of others),
//   or it runs a dialog (Dialog, bound at WM_INITDIALOG).
// - A message the handler leaves alone goes on: to the base procedure for own windows
//   (DefWindowProcW unless superclassed), down the subclass chain for attached windows.
//   A reflected notification (message + kZakladOdrazeni, OdrazitOznameni.h) that the
//   handler leaves alone goes to DefWindowProcW as the original message, never to the
//   control's own procedure, which would take it for one of its private messages.
// - WM_NCDESTROY unbinds the object; when the outermost message of the window has returned,
//   the handle is cleared and PoPosledniZprave runs. That hook is the one place where the
//   object may delete itself while it is bound.
// - An object destroyed inside a message of its window (one it has detached from, or by its
//   owner) is not touched again by the dispatch of that message or of any around it.
// - No exception leaves a handler (HraniceVyjimek.h).
// - Destroying the object destroys the window it created, or detaches from one it attached
//   to. A derived class that must see its own window's last messages destroys the window in
//   its own destructor, since by the time this base's destructor runs only the base is left.
// - Every call happens on the thread of the window.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/PopisOkna.h"

namespace Vrbatec::WinApi {

class OknoImpl {
public:
    OknoImpl() noexcept = default;
    OknoImpl(const OknoImpl&) = delete;
    OknoImpl& operator=(const OknoImpl&) = delete;

    // True when the message was handled; vysledek is then the message's result.
    virtual bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                 LRESULT& vysledek);
    virtual ~OknoImpl();
    // Runs after the window's last message, when the object no longer has a window.
    virtual void PoPosledniZprave();

    HWND Hwnd() const noexcept { return okno_; }
    bool VytvorenoObjektem() const noexcept { return vytvorenoObjektem_; }

    // Creates the window and binds this object to it. Windows of a class registered with
    // RegistraceTridy bind at WM_NCCREATE; any other class is subclassed once created.
    // nullptr with the last error when the window cannot be created or the object is bound.
    HWND Vytvorit(const PopisOkna& popis);

    // Subclasses an existing window (detaching first from a window attached earlier).
    // False when the window does not exist, the object has a window of its own, or
    // subclassing fails.
    bool Pripojit(HWND okno);

    // Gives the attached window back; a window the object created is not given back. When the
    // window's procedure is still the one installed by the attach, the subclass is removed. When
    // someone replaced the procedure since, that procedure calls ours, so ours stays in the chain
    // but passes everything on, and the window's procedure is not touched. Either way the object no
    // longer sees messages.
    void Odpojit();

    // The procedure of the classes of RegistraceTridy.h.
    static LRESULT CALLBACK ProceduraTridy(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam);

protected:
    // The message being handled, or nullptr outside of a handler.
    const MSG* AktualniZprava() const noexcept { return aktualniZprava_; }

    // What the window would do with the current message if the handler did not take it;
    // for handlers that work on the result of the default processing.
    LRESULT VychoziZpracovani();

    // The window, which must exist; a missing one is a fatal E_HANDLE.
    HWND PlatneOkno() const;

private:
    friend class Dialog;

    enum class Vazba : unsigned char { Zadna, VlastniTrida, Podtrida, Dialog };

    static LRESULT CALLBACK ProceduraPodtridy(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    static OknoImpl* ObjektOkna(HWND okno) noexcept;

    void NavazatVlastniOkno(HWND okno);
    void NavazatDialog(HWND okno, bool modalni);
    void UlozitDoOkna(HWND okno);

    LRESULT Rozeslat(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                     bool& zpracovano) noexcept;
    static LRESULT Vychozi(Vazba vazba, WNDPROC predchozi, HWND okno, UINT zprava, WPARAM wParam,
                           LPARAM lParam) noexcept;
    void PustitOkno(HWND okno) noexcept;
    void DokoncitPosledniZpravu() noexcept;
    void Zapomenout() noexcept;

    HWND okno_ = nullptr;
    Vazba vazba_ = Vazba::Zadna;
    // The base procedure of an own window.
    WNDPROC predchozi_ = ::DefWindowProcW;
    // The subclass of an attached window, and the window's procedure just after it was
    // installed, by which Odpojit sees whether someone has replaced it since.
    UINT_PTR idPodtridy_ = 0;
    LONG_PTR proceduraPoPripojeni_ = 0;
    const MSG* aktualniZprava_ = nullptr;
    // The flag of the innermost message being handled, which the destructor raises.
    bool* znicenBehemZpravy_ = nullptr;
    bool vytvorenoObjektem_ = false;
    bool poNcDestroy_ = false;
};

// A window's text, however long.
std::wstring TextOkna(HWND okno);

} // namespace Vrbatec::WinApi
