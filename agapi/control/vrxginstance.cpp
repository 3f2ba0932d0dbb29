// Start and stop the instance, versioned form: the caller's instance,
// communication and options records become the core's records, built in
// this frame, while their texts are terminated in place for the call.
//
// Texts are terminated only when the instance record passes its check:
// the options' texts first, then, for a remote instance, the instance name
// and the communication texts. A length of 0 marks a text as absent, except
// for texts U and G of the start options. The core records are built from
// the caller's records whether or not anything was terminated.
#include <cstring>

#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/instance.h"

using namespace vrx;

namespace {

void terminate_start_options(Borrowed &borrowed, const vrxgStartOptionsStruct *options) {
    if (options == nullptr) return;
    const vrxgStartOptionsStruct o = load(options);
    borrowed.terminate_present(o.piText1, o.iText1Len);
    borrowed.terminate_present(o.piText2, o.iText2Len);
    borrowed.terminate_present(o.piText3, o.iText3Len);
    if (o.iFlag == 0) return;
    if (o.iSelector == VRX_START_SELECT_U)
        borrowed.terminate(o.piTextU, o.iTextULen);
    else if (o.iSelector == VRX_START_SELECT_G)
        borrowed.terminate(o.piTextG, o.iTextGLen);
}

void terminate_stop_options(Borrowed &borrowed, const vrxgStopOptionsStruct *options) {
    if (options == nullptr) return;
    const vrxgStopOptionsStruct o = load(options);
    borrowed.terminate_present(o.piText, o.iTextLen);
}

void terminate_remote_texts(Borrowed &borrowed, const vrxgInstanceStruct &instance) {
    if (instance.iIsRemote == 0) return;
    borrowed.terminate_present(instance.piInstanceName, instance.iInstanceNameLen);
    if (instance.piComm == nullptr) return;
    const vrxgInstanceCommStruct comm = load(instance.piComm);
    borrowed.terminate_present(comm.piText1, comm.iText1Len);
    borrowed.terminate_present(comm.piText2, comm.iText2Len);
    borrowed.terminate_present(comm.piText3, comm.iText3Len);
}

// Each converter zeroes the core record it fills, padding included, and
// returns it; a null caller record gives null.
vrxInstanceCommStruct *comm_to_core(vrxInstanceCommStruct &core, const vrxgInstanceCommStruct *caller) {
    if (caller == nullptr) return nullptr;
    const vrxgInstanceCommStruct comm = load(caller);
    std::memset(&core, 0, sizeof core);
    core.iValue = comm.iValue;
    core.piText1 = comm.piText1;
    core.piText2 = comm.piText2;
    core.piText3 = comm.piText3;
    return &core;
}

vrxStartOptionsStruct *start_options_to_core(vrxStartOptionsStruct &core, const vrxgStartOptionsStruct *caller) {
    if (caller == nullptr) return nullptr;
    const vrxgStartOptionsStruct o = load(caller);
    std::memset(&core, 0, sizeof core);
    core.iText1Len = o.iText1Len;
    core.piText1 = o.piText1;
    core.iValue1 = o.iValue1;
    core.iValue2 = o.iValue2;
    core.iValue3 = o.iValue3;
    core.iText2Len = o.iText2Len;
    core.piText2 = o.piText2;
    core.iValue4 = o.iValue4;
    core.iValue5 = o.iValue5;
    core.iText3Len = o.iText3Len;
    core.piText3 = o.piText3;
    core.iValue6 = o.iValue6;
    core.iValue7 = o.iValue7;
    core.iValue8 = o.iValue8;
    core.iValue9 = o.iValue9;
    core.iValue10 = o.iValue10;
    core.iValue11 = o.iValue11;
    core.iFlag = o.iFlag;
    core.piTextU = o.piTextU;
    core.piTextG = o.piTextG;
    core.iSelector = o.iSelector;
    return &core;
}

void instance_to_core(vrxInstanceStruct &core, const vrxgInstanceStruct &caller, vrxInstanceCommStruct *comm,
                      void *options) {
    std::memset(&core, 0, sizeof core);
    core.iIsRemote = caller.iIsRemote;
    core.piInstanceName = caller.piInstanceName;
    core.piComm = comm;
    core.piOptions = options;
}

}  // namespace

// Without an instance record there is nothing to convert; the core judges
// the null.
VRX_API int32_t VRX_STDCALL vrxgInstanceStart(uint32_t version, vrxgInstanceStruct *instance, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (instance == nullptr) return vrxInstanceStart(version, nullptr, ca);

    const bool vouched = passes_check(instance, sizeof *instance, CheckMode::Terminate);
    const vrxgInstanceStruct caller = load(instance);
    const auto *options = static_cast<const vrxgStartOptionsStruct *>(caller.piOptions);
    Borrowed borrowed;
    if (vouched) {
        terminate_start_options(borrowed, options);
        terminate_remote_texts(borrowed, caller);
    }
    vrxInstanceCommStruct comm;
    vrxStartOptionsStruct coreOptions;
    vrxInstanceStruct core;
    instance_to_core(core, caller, comm_to_core(comm, caller.piComm), start_options_to_core(coreOptions, options));

    const int32_t result = vrxInstanceStart(version, &core, ca);

    borrowed.restore();
    return result;
}

// The stop options reach the core as the caller's own record.
VRX_API int32_t VRX_STDCALL vrxgInstanceStop(uint32_t version, vrxgInstanceStruct *instance, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (instance == nullptr) return vrxInstanceStop(version, nullptr, ca);

    const bool vouched = passes_check(instance, sizeof *instance, CheckMode::Terminate);
    const vrxgInstanceStruct caller = load(instance);
    Borrowed borrowed;
    if (vouched) {
        terminate_stop_options(borrowed, static_cast<const vrxgStopOptionsStruct *>(caller.piOptions));
        terminate_remote_texts(borrowed, caller);
    }
    vrxInstanceCommStruct comm;
    vrxInstanceStruct core;
    instance_to_core(core, caller, comm_to_core(comm, caller.piComm), caller.piOptions);

    const int32_t result = vrxInstanceStop(version, &core, ca);

    borrowed.restore();
    return result;
}
