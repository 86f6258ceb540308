// The test side of the recording player: its folder beside the test program and its log,
// emptied and set to succeed for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "preview/player_library.h"
#include "tests/preview/recording_player.h"

namespace vela::testing {

inline std::string RecordingPlayerFolder() {
    return platform::JoinPath(platform::HostFolder(), kRecordingPlayerFolder);
}

class RecordingPlayer {
  public:
    RecordingPlayer() : m_library(RecordingPlayerFolder()) {
        EXPECT_EQ(m_library.Load(), 1) << m_library.LibraryPath();
        m_pModule = platform::OpenLibrary(m_library.LibraryPath());
        auto log = m_pModule ? reinterpret_cast<RecordingPlayerLogFn>(
                                   m_pModule->Symbol(kRecordingPlayerLogExport))
                             : nullptr;
        m_pLog = log ? log() : &m_empty;
        *m_pLog = RecordingPlayerLog{1, 1, 0, nullptr, 0, {}};
    }

    const preview::PlayerFunctions* Functions() const { return m_library.Functions(); }
    RecordingPlayerLog& Log() { return *m_pLog; }

    std::vector<RecordedCallKind> Kinds() const {
        std::vector<RecordedCallKind> kinds;
        for (uint32_t i = 0; i < m_pLog->count; ++i)
            kinds.push_back(static_cast<RecordedCallKind>(m_pLog->calls[i].kind));
        return kinds;
    }
    // The calls of one kind, in order.
    std::vector<const RecordedPlayerCall*> Calls(RecordedCallKind kind) const {
        std::vector<const RecordedPlayerCall*> calls;
        for (uint32_t i = 0; i < m_pLog->count; ++i)
            if (m_pLog->calls[i].kind == kind) calls.push_back(&m_pLog->calls[i]);
        return calls;
    }

  private:
    preview::CPlayerLibrary m_library;
    std::unique_ptr<platform::Library> m_pModule;
    RecordingPlayerLog m_empty{};
    RecordingPlayerLog* m_pLog = nullptr;
};

}  // namespace vela::testing
