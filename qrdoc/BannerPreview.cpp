#include "qrdoc/BannerPreview.h"

#include "lists/CaseFold.h"

namespace tessivo::qrdoc {

std::optional<int> BannerColourIndex(std::string_view name) {
    for (std::size_t i = 0; i < kBannerColours.size(); ++i) {
        if (lists::SameIgnoringCase(kBannerColours[i].sName, name)) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> FirstSelectedOption(const OptionGroup& group) {
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i]) return static_cast<int>(i);
    }
    return std::nullopt;
}

OptionGroup OptionGroupWith(int index) {
    OptionGroup group{};
    if (index >= 0 && index < static_cast<int>(group.size())) {
        group[static_cast<std::size_t>(index)] = true;
    }
    return group;
}

BannerOptions DefaultBannerOptions() {
    return {OptionGroupWith(kDefaultBackground), OptionGroupWith(kDefaultFont),
            OptionGroupWith(kDefaultBorder)};
}

BannerPreview InitialBannerPreview() {
    return ShowBanner({}, "", DefaultBannerOptions());
}

BannerPreview ShowBanner(BannerPreview current, std::string_view bannerText,
                         const BannerOptions& options) {
    auto colour = [](int index) {
        return kBannerColours.at(static_cast<std::size_t>(index)).lValue;
    };
    if (const std::optional<int> fill = FirstSelectedOption(options.background)) {
        current.lFillColor = colour(*fill);
    }
    if (const std::optional<int> font = FirstSelectedOption(options.font)) {
        current.sCaption = bannerText;
        current.lForeColor = colour(*font);
    }
    if (const std::optional<int> border = FirstSelectedOption(options.border)) {
        current.lBorderColor = colour(*border);
        current.iBorderStyle = 1;
    }
    return current;
}

}  // namespace tessivo::qrdoc
