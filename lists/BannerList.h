#pragma once
// The banner list: the texts a poster's banner can carry, kept in banner.txt beside the
// program, one quoted name per line.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/FixedList.h"
#include "lists/ListFile.h"

namespace tessivo::lists {

struct BannerTraits {
    using Entry = std::string;
    static constexpr std::size_t kFieldsPerRecord = 1;
    static std::string_view Name(const std::string& banner) { return banner; }
    static Record ToRecord(const std::string& banner) { return {banner}; }
    static std::string FromRecord(Record&& fields) { return std::move(fields.at(0)); }
};

// At most 201 names (UTF-8), stored exactly as read or typed.
class BannerList : public FixedList<BannerTraits> {
  public:
    int iBannerCount() const { return Count(); }
    // The selected name, or kNoSelection (-1): nothing chosen yet, or the chosen name was
    // deleted. Add selects the name it adds.
    int iSelectedBanner() const { return Selected(); }
    // Name `index`; throws std::out_of_range unless 0 <= index < iBannerCount().
    const std::string& vBanner(int index) const { return At(index); }
};

// How a banner name is listed in the combo box: names read from the file as stored, names the
// user adds in upper case (UpperCase of lists/CaseFold.h) while the list keeps them as typed.
inline std::string ListedAsAdded(std::string_view name) {
    return UpperCase(name);
}

using BannerListLoad = ListLoad<BannerList>;

// banner.txt: one field per name, so an unquoted line with a comma gives two names; see
// LoadList and SaveList.
inline BannerListLoad LoadBannerList(const std::filesystem::path& file) {
    return LoadList<BannerList>(file);
}
inline std::optional<ListFileError> SaveBannerList(const std::filesystem::path& file,
                                                   const BannerList& list) {
    return SaveList(file, list);
}

}  // namespace tessivo::lists
