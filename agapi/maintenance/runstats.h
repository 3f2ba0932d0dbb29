// The conversion of the versioned statistics record: every pointer it
// follows checked, the names of its four lists terminated in place with
// their bytes saved in scratch records, and the core's element records
// built in scratch blocks. The first invalid parameter stops the
// conversion with its report in the sqlca; release() then puts every saved
// byte back and releases every block that was had, on every path.
#pragma once

#include <cstdint>

#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "vrxplatform/maintenance.h"

namespace vrx::maintenance {

// A list of named elements (columns, distributions) as converted so far.
struct NameListConversion {
    SavedByte *saved = nullptr;  // one record per element
    void **cores = nullptr;      // the core's element records, null until had
    std::int32_t count = 0;      // elements whose records exist
};

// The parameter names a refusal reports, and the scratch sites, of one
// list of named elements.
struct NameListShape {
    const char *list, *element, *name;
    ScratchSite saved, pointers, record;
};

// The column groups as converted so far.
struct GroupConversion {
    void **cores = nullptr;        // the core's group records
    SavedByte **saved = nullptr;   // per group, the saved bytes of its names
    std::int32_t count = 0;
};

class RunstatsConversion {
public:
    explicit RunstatsConversion(sqlca *ca) : ca_(ca) {}
    RunstatsConversion(const RunstatsConversion &) = delete;
    RunstatsConversion &operator=(const RunstatsConversion &) = delete;
    ~RunstatsConversion() { release(); }

    // Checks the record and converts the table name and the four lists in
    // order. False at the first failure: the sqlca holds its report and
    // refusal() the entry point's result.
    bool convert(const vrxgRunstatsParms *params);
    std::int32_t refusal() const { return refusal_; }

    // The core's record, valid after convert() succeeded.
    vrxRunstatsParms core(std::uint32_t version) const;

    // Saved bytes back in reverse order of termination, then every block
    // released. Doing it twice does nothing the second time.
    void release();

private:
    bool table_name();
    template <class Element, class Core>
    bool name_list(Element *const *list, std::int16_t count, const NameListShape &shape, NameListConversion &out);
    bool groups();
    bool group(std::int32_t g, const vrxgColumnGrpData *at);
    bool indexes();

    bool refuse(const char *parameter, std::int32_t result);
    bool refuse_index(std::int32_t result);
    bool request(std::uint32_t size, const ScratchSite &site, void *&block);
    bool request_saved(std::int32_t count, const ScratchSite &site, SavedByte *&records);

    void put_back();
    void release_blocks();

    sqlca *ca_;
    vrxgRunstatsParms caller_{};
    std::int32_t refusal_ = 0;
    SavedByte table_{kNothingSaved, 0};
    NameListConversion columns_, distributions_;
    GroupConversion groups_;
    SavedByte *indexes_ = nullptr;
    std::int32_t indexCount_ = 0;
};

}  // namespace vrx::maintenance
