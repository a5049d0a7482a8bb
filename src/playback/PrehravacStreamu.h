// The built-in stream engine: plays an internet radio (MP3 over http or https) itself, with
// the same contract as the hosted control, so the rest of the program cannot tell the two
// apart. Opening an address starts playing it, as the control does with its auto-start;
// playing again after a stop opens the remembered address once more.
//
// A worker thread connects, follows redirects and playlists, decodes and writes the sound. The
// connection reads ahead up to the buffer time (NastavitDobuBufferu) at the stream's bit rate,
// a reserve against a server or network that stalls for a while.
// It never calls the listener: it posts the play states to a message-only window of the
// player, and the listener hears them on the user-interface thread. States of a playback that
// has been stopped meanwhile are dropped there. When the server drops or stalls while playing,
// the worker reconnects after 1, 2, 4 ... 30 s and reports ZnovuPripojovani meanwhile.
// Content it does not decode (another codec, video, a playlist of other schemes) is offered to
// the listener (PrevzitAdresu) with the address as it was opened; a new stream title is told
// through PriZmeneTitulu, and a failure's reason through DuvodSelhani.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "playback/Prehravac.h"

namespace Vrbatec {

// How long the engine waits for the server, as the tests need shorter limits than a radio.
struct LimityStreamu {
    DWORD pripojeniMs = 10000;
    DWORD cteniMs = 10000;
    DWORD prvniOdkladMs = 1000; // the first wait before a reconnect, doubled up to 30 s
};

// The engine's Prehravac. Throws the HRESULT of a failure to create its window. The listener
// must outlive the player; destroying the player stops playback first.
std::unique_ptr<Prehravac> VytvoritPrehravacStreamu(HINSTANCE instance, HWND rodic,
                                                    PosluchacPrehravace& posluchac,
                                                    LimityStreamu limity = {});

} // namespace Vrbatec
