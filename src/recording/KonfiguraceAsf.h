// IConfigAsfWriter, the configuration interface of the Windows Media ASF writer filter.
// MinGW-w64 has no dshowasf.h; this declaration follows the one in the Windows SDK, methods in
// its vtable order.
#pragma once

#if __has_include(<dshowasf.h>)
#include <dshowasf.h>
#else
#include <windows.h>
#include <unknwn.h>
#include <wmsdkidl.h>

// A COM interface is released, never deleted: it has no virtual destructor, as in the SDK.
// (clang-format takes MIDL_INTERFACE for a call.)
// clang-format off
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
MIDL_INTERFACE("45086030-F7E4-486a-B504-826BB5792A3B")
IConfigAsfWriter : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfileId(DWORD dwProfileId) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfileId(DWORD* pdwProfileId) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfileGuid(REFGUID guidProfile) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfileGuid(GUID* pProfileGuid) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfile(IWMProfile* pProfile) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfile(IWMProfile** ppProfile) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetIndexMode(BOOL bIndexFile) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIndexMode(BOOL* pbIndexFile) = 0;
};
#pragma GCC diagnostic pop
// clang-format on

__CRT_UUID_DECL(IConfigAsfWriter, 0x45086030, 0xf7e4, 0x486a, 0xb5, 0x04, 0x82, 0x6b, 0xb5, 0x79,
                0x2a, 0x3b)
#endif
