// The rules and texts of failure reporting, without any system call: how a Win32 error
// becomes an HRESULT, what a code without a system text is called, and how the messages
// are put together.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Vrbatec::DiagnostikaText {

inline constexpr std::int32_t kEFail = static_cast<std::int32_t>(0x80004005u);
inline constexpr std::int32_t kENotImpl = static_cast<std::int32_t>(0x80004001u);

// Message-box types of the program (MB_... flags combined).
inline constexpr std::uint32_t kTypChyba = 0x12010u;  // error, task-modal, foreground
inline constexpr std::uint32_t kTypOtazka = 0x12133u; // yes/no/cancel, warning, 2nd default
inline constexpr std::uint32_t kTypZpravy = 0x12000u; // added to the caller's type

inline constexpr std::wstring_view kNespecifikovanaChyba = L"Nespecifikovaná chyba";

// HRESULT of a Win32 error code (HRESULT_FROM_WIN32); E_FAIL when the result is not a
// failure, which is what a last error of 0 gives.
std::int32_t HResultZWin32(std::uint32_t kod);

// Text for a code the system has no description of: "IDispatch error #n" for the
// interface-specific range above 0x80040200, "Unknown error 0x..." otherwise.
std::wstring PopisBezSystemovehoTextu(std::int32_t hr);

// Drops one trailing line feed and a carriage return before it, as system texts end so.
std::wstring BezKonceRadku(std::wstring text);

// Adds a full stop unless the text already ends with one.
std::wstring STeckouNaKonci(std::wstring text);

// "Došlo k významné chybě!..." naming the description and the application.
std::wstring TextFatalniChyby(std::wstring_view popis, std::wstring_view nazevAplikace);

// "%s\n\nSystémový popis chyby:\n%s".
std::wstring TextSPopisem(std::wstring_view text, std::wstring_view popis);

} // namespace Vrbatec::DiagnostikaText
