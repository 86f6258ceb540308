// The device maker's player library "HBPlayM4", loaded at run time from the host folder (else
// by the system's library search) and resolved by export name into a table of fixed slots.
// A missing library or export is silent: previews are then unavailable, nothing else is.
//
// Threads: Load runs on the UI thread when a device connection is made; the table is read-only
// afterwards and its entry points may be called from any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/abi.h"
#include "platform/kernel.h"

namespace vela::preview {

constexpr size_t kPlayerSlotCount = 52;
constexpr size_t kUnusedPlayerSlot = 49;  // no export is resolved into it
constexpr size_t kMaxPlayerPath = 260;    // longest library path, terminating zero included
constexpr char kPlayerLibraryBaseName[] = "HBPlayM4";

// The export name resolved into each slot; null for the slot that stays empty.
extern const char* const kPlayerExportNames[kPlayerSlotCount];

// The slots the plug-in calls.
enum PlayerSlot : size_t {
    kSlotPlay = 2,
    kSlotStop = 3,
    kSlotOpenStream = 14,
    kSlotInputData = 15,
    kSlotCloseStream = 16,
    kSlotRegisterDrawFun = 35,
};

// The player's draw callback: (port, device context of the displayed frame, user value).
using PlayerDrawCallback = void(VELA_STDCALL*)(int32_t port, void* deviceContext, uintptr_t user);

// Entry points by slot, all null before resolution. The typed calls answer 0 when their slot
// is empty, so callers need not test a slot before calling it.
struct PlayerFunctions {
    std::array<void*, kPlayerSlotCount> slots{};

    int32_t OpenStream(int32_t port, const uint8_t* data, uint32_t size, uint32_t buffer) const;
    int32_t Play(int32_t port, void* window) const;
    int32_t InputData(int32_t port, const uint8_t* data, uint32_t size) const;
    int32_t Stop(int32_t port) const;
    int32_t CloseStream(int32_t port) const;
    int32_t RegisterDrawFun(int32_t port, PlayerDrawCallback callback, uintptr_t user) const;
};

class CPlayerLibrary {
  public:
    explicit CPlayerLibrary(const std::string& folder);
    ~CPlayerLibrary();
    CPlayerLibrary(const CPlayerLibrary&) = delete;
    CPlayerLibrary& operator=(const CPlayerLibrary&) = delete;

    // 1 loaded (the table then exists, with null slots for missing exports), 0 not found.
    // Each load adds one more load of the module, which stays loaded until the process ends.
    int Load();
    // The path Load opens: the library in the folder when such a file exists and its path fits
    // kMaxPlayerPath, else the bare file name for the system's search.
    std::string LibraryPath() const;
    // Null until a successful Load.
    const PlayerFunctions* Functions() const { return m_pFunctions.get(); }

  private:
    std::unique_ptr<PlayerFunctions> m_pFunctions;
    std::string m_strFolder;
};

}  // namespace vela::preview
