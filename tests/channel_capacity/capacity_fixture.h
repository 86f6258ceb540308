// Records 68 and 10 as zeroed byte blocks that a test fills field by field, at the offsets the
// device uses (stated here as literals, independently of the page's constants).
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "pages/channel/encoding_capacity.h"
#include "platform/bytes.h"

namespace vela::pages::channel::testing {

// One stream's fields, video on unless Off() says otherwise.
struct StreamFields {
    StreamFields Off() const {
        StreamFields copy = *this;
        copy.video = false;
        return copy;
    }
    StreamFields BitRate(int kbits, int bitRateControl = 0, int imageQuality = 1) const {
        StreamFields copy = *this;
        copy.bitRate = kbits;
        copy.control = bitRateControl;
        copy.quality = imageQuality;
        return copy;
    }
    StreamFields Interval(int seconds) const {
        StreamFields copy = *this;
        copy.interval = seconds;
        return copy;
    }

    int resolution = 0;
    int frameRate = 25;
    bool video = true;
    int control = 0;
    int quality = 1;
    int bitRate = 512;
    int interval = 4;
};

inline StreamFields At(int resolution, int frameRate) {
    StreamFields fields;
    fields.resolution = resolution;
    fields.frameRate = frameRate;
    return fields;
}

class CapacityTest : public ::testing::Test {
  protected:
    void SetStream(int channel, Stream stream, const StreamFields& fields) {
        uint8_t* block = encoding.data() + 88 * channel + (stream == Stream::kSub ? 44 : 0);
        WriteI32(block, 4, fields.resolution);
        WriteI32(block, 8, fields.control);
        WriteI32(block, 12, fields.quality);
        WriteI32(block, 16, fields.frameRate);
        WriteI32(block, 20, fields.bitRate);
        WriteI32(block, 24, fields.interval);
        WriteU8(block, 40, fields.video ? 1 : 0);
    }
    int StoredResolution(int channel, Stream stream) const {
        return ReadI32(encoding.data(), 88 * channel + (stream == Stream::kSub ? 44 : 0) + 4);
    }
    void Set(size_t offset, uint32_t value) { WriteU32(capability.data(), offset, value); }
    void SetTotalPower(int32_t power) { Set(0, power); }
    void SetShareFlag(int32_t flag) { Set(4, flag); }
    void SetMainLimit(int channel, int32_t power) { Set(8 + 4 * channel, power); }
    void SetMainMask(int channel, uint32_t mask) { Set(136 + 4 * channel, mask); }
    void SetSubMask(int channel, uint32_t mask) { Set(264 + 4 * channel, mask); }
    void SetDefaultMask(uint32_t mask) { Set(408, mask); }
    void SetTotalBitRate(int32_t rate) { Set(592, rate); }
    void SetSubMaskByMain(int channel, int mainResolution, uint32_t mask) {
        Set(596 + 4 * (19 * channel + mainResolution), mask);
    }

    CapacityRecords Records() {
        return {encoding.data(), capability.data(), channelCount, ntsc, subStreamBudget};
    }

    std::array<uint8_t, 2816> encoding{};
    std::array<uint8_t, 3028> capability{};
    int channelCount = 1;
    bool ntsc = false;
    bool subStreamBudget = false;
};

constexpr uint32_t kAllResolutions = (1U << 19) - 1;

}  // namespace vela::pages::channel::testing
