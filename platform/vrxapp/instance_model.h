// The stand-in's one instance: started or stopped, attached or not,
// quiesced or not.
#pragma once

namespace vrxapp {

struct InstanceState {
    bool started = false;
    bool attached = false;
    bool quiesced = false;
};

// The name of the one instance, as the current instance name returns it.
constexpr const char *kInstanceName = "VRXINST";

}  // namespace vrxapp
