#pragma once

#include <array>
#include <string_view>

#include "keyloom/core/RawValueTable.h"

namespace keyloom {

// The kind of device the keyboard runs on.
enum class DeviceType { phone, pad, watch, mac, tv, other };

template <>
struct RawValueTable<DeviceType> {
  static constexpr std::array<std::string_view, 6> names{"phone", "pad", "watch", "mac", "tv", "other"};
};

// The running device, asked anew at each call: pad for the pad idiom, phone
// for every other idiom.
DeviceType currentDeviceType();

}  // namespace keyloom
