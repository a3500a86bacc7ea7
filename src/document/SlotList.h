#pragma once

#include "document/RecordText.h"

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

// The Count slots of the teams or the players; the k-th complete block of a file is slot k. Blocks
// beyond the last slot (maps of mods with more slots) are kept whole and written after the slots.
// R names its block's markers (BeginMarker, EndMarker) and reads a slot's block (ReadSlot).
template <typename R, int Count> class TSlotList {
public:
    TSlotList() { Clear(); }

    void Clear() {
        items.clear();
        for (int i = 0; i < Count; ++i)
            items.push_back(std::make_unique<R>());
        loadedCount = 0;
        extraBlocks.clear();
    }
    int LoadedCount() const { return loadedCount; }
    int InUseCount() const {
        int count = 0;
        for (const auto& item : items)
            count += item->InUse() ? 1 : 0;
        return count;
    }
    void LoadFromStrings(const StringList& source) {
        const auto views = ViewLines(source);
        Read(TLineSpan(views), true);
    }
    void Read(TLineSpan source, bool fromFile);
    // Puts slot `index` back as a load of its block leaves it: a fresh slot not in use for an empty
    // block. How an edit of the slot is undone.
    void RestoreSlot(int index, TLineSpan block) {
        if (!IsSlot(index))
            return;
        auto item = std::make_unique<R>();
        if (!block.empty())
            item->ReadSlot(index, block, true);
        items[static_cast<std::size_t>(index)] = std::move(item);
    }
    const StringList& SaveToStrings() {
        return WriteLines(lines.Get(), [&](TTextWriter& out) { Write(out); });
    }
    void Write(TTextWriter& out) const {
        for (const auto& item : items)
            item->Write(out);
        for (const std::string& line : extraBlocks)
            out.Line(line);
    }
    const StringList& ExtraBlocks() const { return extraBlocks; }
    void SetExtraBlocks(StringList blocks) { extraBlocks = std::move(blocks); }

protected:
    static bool IsSlot(int index) { return index >= 0 && index < Count; }
    R* Slot(int index) const {
        return IsSlot(index) ? items[static_cast<std::size_t>(index)].get() : nullptr;
    }

private:
    int loadedCount = 0;
    std::vector<std::unique_ptr<R>> items;
    StringList extraBlocks;
    TScratchList lines;
};

template <typename R, int Count> void TSlotList<R, Count>::Read(TLineSpan source, bool fromFile) {
    bool open = false;
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view line = source[i];
        if (HasMarker(line, R::BeginMarker)) {
            open = true;
            blockStart = i;
        }
        if (HasMarker(line, R::EndMarker) && open) {
            const TLineSpan block = source.Sub(blockStart, i - blockStart + 1);
            if (IsSlot(loadedCount)) {
                const int slot = loadedCount++;
                items[static_cast<std::size_t>(slot)]->ReadSlot(slot, block, fromFile);
            } else if (fromFile) {
                KeepWholeBlock(extraBlocks, block, R::BeginMarker, R::EndMarker);
            } else {
                return;
            }
            open = false;
        }
    }
}
