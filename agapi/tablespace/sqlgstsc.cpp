// Setting the containers of a table space: each container's name is
// terminated in place for the call, its replaced byte kept in a saved-byte
// array, inside the standard frame.
#include <cstddef>

#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "frame/slots.h"
#include "vrxplatform/tablespace.h"

using namespace vrx;

namespace {

constexpr ScratchSite kSavedBytesSite{"sqlgts", 647};

// The name of container i, as long as its terminator stays inside its
// record; a longer one is passed on as the caller gave it.
EntryText name_of(vrxgContainer *containers, std::uint32_t i) {
    char *container = field_at(containers, std::size_t{i} * sizeof(vrxgContainer));
    const auto length = load(reinterpret_cast<const std::uint32_t *>(container + offsetof(vrxgContainer, nameLen)));
    if (length >= sizeof(vrxgContainer::name)) return {nullptr, 0};
    return {container + offsetof(vrxgContainer, name), length};
}

// The container names, put back last first and the array released.
class ContainerNames {
public:
    ContainerNames(vrxgContainer *containers, std::uint32_t count) : containers_(containers), count_(count) {}
    ContainerNames(const ContainerNames &) = delete;
    ContainerNames &operator=(const ContainerNames &) = delete;
    ~ContainerNames() { put_back(); }

    // The scratch service's own result when the array cannot be had.
    std::int32_t terminate() {
        if (const std::int32_t result = request_saved_bytes(count_, kSavedBytesSite, records_)) return result;
        for (std::uint32_t i = 0; i < count_; ++i) {
            const EntryText name = name_of(containers_, i);
            if (name.text != nullptr) save_and_terminate(records_[i], name);
        }
        return 0;
    }

    void put_back() {
        if (records_ == nullptr) return;
        put_back_entries(records_, static_cast<std::int32_t>(count_), [this](std::int32_t i) {
            return EntryText{field_at(containers_, std::size_t(i) * sizeof(vrxgContainer) + offsetof(vrxgContainer, name)), 0};
        });
        scratch_release(records_);
        records_ = nullptr;
    }

private:
    vrxgContainer *containers_;
    std::uint32_t count_;
    SavedByte *records_ = nullptr;
};

}  // namespace

// A null array, or one too long for 32-bit storage, reaches the core unconverted.
// Result: the scratch service's own result when the request for the names' saved bytes is
//   refused, the sqlca untouched
VRX_API int32_t VRX_STDCALL sqlgstsc(sqlca *ca, void *value2, void *value3, slot count, vrxgContainer *containers) {
    if (!app_data_ready(ca)) return 0;
    if (count == 0) return 0;

    ContainerNames names(containers, count);
    if (containers != nullptr && fits_region(count, sizeof(vrxgContainer)))
        if (const std::int32_t failed = names.terminate()) return failed;
    const int32_t result = sqlbstsc(ca, value2, value3, count, containers);

    names.put_back();
    return result;
}
