// Versioned configuration get and set: the caller's record and items become
// core records on the stack. Every value buffer is terminated in place for
// the call, whatever its token; the bytes go back last item first, then the
// byte after the database name.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/saved_bytes.h"
#include "vrxplatform/config.h"

using namespace vrx;

namespace {

constexpr Tag kGetTag = make_tag("vrxgCfgG");
constexpr Tag kSetTag = make_tag("vrxgCfgS");

// The core items and the saved byte of every value: in the frame for up to
// 64 items, in one scratch block for more.
class CoreItems {
public:
    CoreItems() = default;
    CoreItems(const CoreItems &) = delete;
    CoreItems &operator=(const CoreItems &) = delete;
    ~CoreItems() {
        put_back();
        release();
    }

    // Room for `count` items; false when they need a block that cannot be had.
    bool reserve(uint32_t count);

    // Terminates each caller value in place and fills the core item from
    // the caller's. A null caller list gives a null core list.
    vrxCfgItem *convert(vrxgCfgItem *items);

    void put_back();
    void release();

private:
    static constexpr uint32_t kFrameItems = 64;
    EntryText value_of(uint32_t i) const {
        const vrxgCfgItem item = load_element(items_, i);
        return {item.pioValue, item.iValueLen};
    }

    vrxCfgItem frameItems_[kFrameItems];
    SavedByte frameSaved_[kFrameItems];
    vrxCfgItem *core_ = frameItems_;
    SavedByte *saved_ = frameSaved_;
    void *block_ = nullptr;
    vrxgCfgItem *items_ = nullptr;
    uint32_t count_ = 0;
};

bool CoreItems::reserve(uint32_t count) {
    if (count <= kFrameItems) {
        count_ = count;
        return true;
    }
    constexpr uint32_t kPerItem = sizeof(vrxCfgItem) + sizeof(SavedByte);
    if (!fits_region(count, kPerItem)) return false;
    block_ = scratch_request(count * kPerItem, ScratchSite{"vrxgcfg", __LINE__});
    if (block_ == nullptr) return false;
    core_ = static_cast<vrxCfgItem *>(block_);
    saved_ = reinterpret_cast<SavedByte *>(core_ + count);
    count_ = count;
    return true;
}

vrxCfgItem *CoreItems::convert(vrxgCfgItem *items) {
    if (items == nullptr) return nullptr;
    items_ = items;
    for (uint32_t i = 0; i < count_; ++i) {
        const vrxgCfgItem item = load_element(items, i);
        saved_[i] = SavedByte{kNothingSaved, 0};
        if (item.pioValue != nullptr) save_and_terminate(saved_[i], {item.pioValue, item.iValueLen});
        core_[i] = vrxCfgItem{item.iToken, item.pioValue, item.iFlags};
    }
    return core_;
}

void CoreItems::put_back() {
    if (items_ == nullptr) return;
    put_back_entries(saved_, static_cast<int32_t>(count_), [this](int32_t i) { return value_of(i); });
    items_ = nullptr;
}

void CoreItems::release() {
    if (block_ == nullptr) return;
    scratch_release(block_);
    block_ = nullptr;
}

vrxCfgStruct cfg_to_core(const vrxgCfgStruct &params, CoreItems &items, Borrowed &borrowed) {
    vrxCfgStruct core{};
    core.iNumItems = params.iNumItems;
    core.piDbName = borrowed.terminate(params.piDbName, params.iDbNameLen);
    borrowed.add(items);
    core.piItems = items.convert(params.piItems);
    core.iFlags = params.iFlags;
    return core;
}

}  // namespace

// SQLCODE -83: the scratch request for the items refused
VRX_API int32_t VRX_STDCALL vrxgCfgGet(uint32_t version, vrxgCfgStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxCfgGet(version, nullptr, ca);

    const vrxgCfgStruct caller = load(params);
    CoreItems items;
    if (!items.reserve(caller.iNumItems)) return report_no_memory(ca, kGetTag);
    Borrowed borrowed;
    vrxCfgStruct core = cfg_to_core(caller, items, borrowed);

    const int32_t result = vrxCfgGet(version, &core, ca);

    borrowed.restore();
    items.release();
    return result;
}

// SQLCODE -83: the scratch request for the items refused
VRX_API int32_t VRX_STDCALL vrxgCfgSet(uint32_t version, vrxgCfgStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr) return vrxCfgSet(version, nullptr, ca);

    const vrxgCfgStruct caller = load(params);
    CoreItems items;
    if (!items.reserve(caller.iNumItems)) return report_no_memory(ca, kSetTag);
    Borrowed borrowed;
    vrxCfgStruct core = cfg_to_core(caller, items, borrowed);

    const int32_t result = vrxCfgSet(version, &core, ca);

    borrowed.restore();
    items.release();
    return result;
}
