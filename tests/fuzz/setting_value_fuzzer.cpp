// SPDX-License-Identifier: GPL-3.0-or-later
// Any stored text as a settings value: decoding and reading the number lists must not
// fault, and a decoded value must encode and decode back to itself.
#include "records/ini_document.h"
#include "records/setting_codec.h"

#include <array>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    const std::string value = cw::DecodeSettingValue(stored);
    if (value.find('\0') != std::string::npos)
        std::abort();
    if (cw::DecodeSettingValue(cw::EncodeSettingValue(value)) != value)
        std::abort();

    std::array<std::int32_t, 5> fields{};
    const int read = cw::ParseNumberList(value, fields);
    if (read < 0 || read > 5)
        std::abort();

    // The same text as a whole settings file.
    cw::IniDocument document(stored);
    document.Value("Settings", "Options");
    document.SetValue("Settings", "Options", cw::EncodeSettingValue(value));
    if (document.Value("Settings", "Options") != cw::EncodeSettingValue(value))
        std::abort();
    return 0;
}
