#pragma once
// A list of at most 201 entries with a count and a selection, as the contact list and the
// banner list keep them: entries 0 to Count() - 1 are valid, in file order and then in the
// order of adding; the list a combo box shows mirrors that order.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/CaseFold.h"
#include "lists/ListFile.h"

namespace tessivo::lists {

// The selection when no entry is selected (at start, and after the selected entry is deleted).
inline constexpr int kNoSelection = -1;

enum class AddResult {
    Added,     // the entry is the new last one, and selected
    ListFull,  // the list already held kListCapacity entries; nothing changed
};

// `Traits` describes an entry and its place in the file:
//   using Entry = ...;                              the entry type
//   static constexpr std::size_t kFieldsPerRecord;  fields per record in the file
//   static std::string_view Name(const Entry&);     the text an entry is looked up by
//   static Record ToRecord(const Entry&);           the fields written for an entry
//   static Entry FromRecord(Record&&);              an entry from kFieldsPerRecord fields
template <typename Traits>
class FixedList {
  public:
    using Entry = typename Traits::Entry;
    using TraitsType = Traits;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Full() const { return Count() >= kListCapacity; }

    // The selected index, or kNoSelection.
    int Selected() const { return selected_; }

    // Entry `index`; throws std::out_of_range unless 0 <= index < Count().
    const Entry& At(int index) const {
        if (index < 0 || index >= Count()) throw std::out_of_range("list index out of range");
        return entries_[static_cast<std::size_t>(index)];
    }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The first entry, in list order, whose name equals `name` once both are upper-cased.
    std::optional<int> Find(std::string_view name) const {
        for (int i = 0; i < Count(); ++i) {
            if (SameIgnoringCase(Traits::Name(entries_[static_cast<std::size_t>(i)]), name))
                return i;
        }
        return std::nullopt;
    }

    // Find, then select what was found; when nothing matches the selection is unchanged.
    std::optional<int> SelectByName(std::string_view name) {
        const std::optional<int> found = Find(name);
        if (found) selected_ = *found;
        return found;
    }

    // Selects entry `index`, or clears the selection for kNoSelection. False (and no change)
    // for any other index outside the list.
    bool Select(int index) {
        if (index != kNoSelection && (index < 0 || index >= Count())) return false;
        selected_ = index;
        return true;
    }

    // Appends `entry` and selects it, so that an update right after an add changes the entry
    // just added; a full list refuses it.
    AddResult Add(Entry entry) {
        if (Full()) return AddResult::ListFull;
        entries_.push_back(std::move(entry));
        selected_ = Count() - 1;
        return AddResult::Added;
    }

    // Replaces entry `index`; false (and no change) outside the list.
    bool Update(int index, Entry entry) {
        if (index < 0 || index >= Count()) return false;
        entries_[static_cast<std::size_t>(index)] = std::move(entry);
        return true;
    }

    // Replaces the selected entry; false (and no change) when nothing is selected.
    bool UpdateSelected(Entry entry) { return Update(selected_, std::move(entry)); }

    // Removes entry `index`; the later entries move up by one. Deleting the selected entry
    // clears the selection; a selection after it follows its entry. False outside the list.
    bool Delete(int index) {
        if (index < 0 || index >= Count()) return false;
        entries_.erase(entries_.begin() + index);
        if (selected_ == index) {
            selected_ = kNoSelection;
        } else if (selected_ > index) {
            --selected_;
        }
        return true;
    }

    // Delete(Selected()); false when nothing is selected.
    bool DeleteSelected() { return Delete(selected_); }

    // Replaces the whole content (the first kListCapacity entries), selecting nothing.
    void Reset(std::vector<Entry> entries) {
        if (entries.size() > static_cast<std::size_t>(kListCapacity)) {
            entries.resize(static_cast<std::size_t>(kListCapacity));
        }
        entries_ = std::move(entries);
        selected_ = kNoSelection;
    }

  private:
    std::vector<Entry> entries_;
    int selected_ = kNoSelection;
};

template <typename List>
struct ListLoad {
    List list;
    ListLoadReport report;
};

// Reads a list file (lists/ListFile.h). A missing file gives an empty list with
// report.bMissing; any error gives an empty list with report.error.
template <typename List>
ListLoad<List> LoadList(const std::filesystem::path& file) {
    using Traits = typename List::TraitsType;
    ListFileContent content = ReadListFile(file, Traits::kFieldsPerRecord);
    std::vector<typename List::Entry> entries;
    entries.reserve(content.records.size());
    for (Record& record : content.records) entries.push_back(Traits::FromRecord(std::move(record)));
    ListLoad<List> load;
    load.list.Reset(std::move(entries));
    load.report = std::move(content.report);
    return load;
}

// Rewrites the whole file from entries 0 to Count() - 1 (lists/ListFile.h: a double quote is
// saved as an apostrophe, a line break as a space). Returns the error, or nothing; the old
// file is intact on error.
template <typename List>
std::optional<ListFileError> SaveList(const std::filesystem::path& file, const List& list) {
    std::vector<Record> records;
    records.reserve(list.Entries().size());
    for (const auto& entry : list.Entries()) records.push_back(List::TraitsType::ToRecord(entry));
    return WriteListFile(file, records);
}

}  // namespace tessivo::lists
