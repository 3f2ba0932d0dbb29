// Stand-in node directory: catalogue a node (its name, comment and
// protocol; for protocols 3, 9 and 10 also the host and service names of
// its protocol record), uncatalogue it, and scan the directory in name
// order. The records are read byte-wise: callers may place them anywhere.
#include <cstring>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/directory.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlInvalidNodeName = -1016;
constexpr std::int32_t kSqlNodeExists = -1018;
constexpr std::int32_t kSqlNodeNotFound = -1097;

NodeDirectory &nodes() { return model().nodes; }

// A record's text: up to its terminator within the field, trailing blanks
// dropped, so that an untrimmed field reads the same.
std::string text_in(const char *field, std::size_t width) {
    std::string text(field, strnlen(field, width));
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

bool host_protocol(std::uint8_t protocol) { return protocol == 3 || protocol == 9 || protocol == 10; }

std::int32_t catalogue_node(const char *node, const char *protocol) {
    if (node == nullptr) return kSqlInvalidParameter;
    NodeEntry entry;
    entry.name = text_in(node + offsetof(vrxNodeRecord, nodeName), sizeof(vrxNodeRecord::nodeName));
    entry.comment = text_in(node + offsetof(vrxNodeRecord, comment), sizeof(vrxNodeRecord::comment));
    entry.protocol = static_cast<std::uint8_t>(node[offsetof(vrxNodeRecord, protocol)]);
    if (entry.name.empty() || entry.name.size() > kNameWidth) return kSqlInvalidNodeName;
    if (host_protocol(entry.protocol)) {
        if (protocol == nullptr) return kSqlInvalidParameter;
        entry.hostName = text_in(protocol + offsetof(vrxNodeProtocolHost, hostName), 256);
        entry.serviceName = text_in(protocol + offsetof(vrxNodeProtocolHost, serviceName), 15);
    }
    return nodes().entries.emplace(alias_key(entry.name.c_str()), entry).second ? 0 : kSqlNodeExists;
}

vrxNodeDirEntry entry_of(const NodeEntry &e) {
    vrxNodeDirEntry entry{};
    put_field(entry.nodeName, e.name);
    put_field(entry.comment, e.comment);
    entry.protocol = e.protocol;
    put_field(entry.hostName, e.hostName);
    put_field(entry.serviceName, e.serviceName);
    return entry;
}

std::int32_t open_scan(std::uint16_t *handle, std::uint16_t *numEntries) {
    std::vector<vrxNodeDirEntry> entries;
    for (const auto &[key, e] : nodes().entries) entries.push_back(entry_of(e));
    const std::uint16_t count = announced(entries);
    const std::uint16_t h = nodes().scans.open(std::move(entries));
    if (handle != nullptr) std::memcpy(handle, &h, sizeof h);
    if (numEntries != nullptr) std::memcpy(numEntries, &count, sizeof count);
    return 0;
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlectnd_api(vrxNodeRecord *node, void *protocol, sqlca *ca) {
    return core_call(__func__, node, protocol, ca,
                     [&] { return finish(ca, catalogue_node(reinterpret_cast<const char *>(node), static_cast<const char *>(protocol))); });
}

std::int32_t VRX_STDCALL sqleuncn_api(char *nodeName, sqlca *ca) {
    return core_call(__func__, nodeName, ca, [&] {
        if (nodeName == nullptr || nodes().entries.erase(alias_key(nodeName)) == 0)
            return finish(ca, kSqlNodeNotFound);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL sqlenops_api(std::uint16_t *handle, std::uint16_t *numEntries, sqlca *ca) {
    return core_call(__func__, handle, numEntries, ca,
                     [&] { return finish(ca, open_scan(handle, numEntries)); });
}

std::int32_t VRX_STDCALL sqlengne_api(std::uint32_t handle, vrxNodeDirEntry **entry, sqlca *ca) {
    return core_call(__func__, handle, entry, ca,
                     [&] { return finish(ca, nodes().scans.next(handle, entry)); });
}

std::int32_t VRX_STDCALL sqlencls_api(std::uint32_t handle, sqlca *ca) {
    return core_call(__func__, handle, ca, [&] { return finish(ca, nodes().scans.close(handle)); });
}

}  // extern "C"
