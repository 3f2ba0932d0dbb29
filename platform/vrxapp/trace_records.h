// The call trace shows these records by their fields (vrxstub_trace.h finds
// a record type's vrx_describe by argument-dependent lookup): the core
// records and the caller records the core receives as they are. A record
// pointer inside a record is shown the same way, a few levels deep; a list
// whose length another argument gives shows its first element.
#pragma once

#include "vrxplatform.h"
#include "vrxstub_trace.h"

using vrxstub::Fields;

// Configuration
inline void vrx_describe(Fields &f, const vrxConfigItem &r) {
    f("token", r.token)("value", r.value);
}
inline void vrx_describe(Fields &f, const vrxCfgItem &r) {
    f("iToken", r.iToken)("pioValue", r.pioValue)("iFlags", r.iFlags);
}
inline void vrx_describe(Fields &f, const vrxCfgStruct &r) {
    f("iNumItems", r.iNumItems).list("piItems", r.piItems, r.iNumItems)("iFlags", r.iFlags)("piDbName", r.piDbName);
}

// Directories
inline void vrx_describe(Fields &f, const vrxDbDirEntry &r) {
    f("alias", r.alias)("dbName", r.dbName)("nodeName", r.nodeName)("comment", r.comment)("type", r.type)(
        "authentication", r.authentication)("path", r.path)("principal", r.principal);
}
inline void vrx_describe(Fields &f, const vrxDbDirOpenScanStruct &r) {
    f("piPath", r.piPath)("oHandle", r.oHandle)("oNumEntries", r.oNumEntries);
}
inline void vrx_describe(Fields &f, const vrxDbDirNextEntryStruct &r) {
    f("iHandle", r.iHandle)("poDbDirEntry", r.poDbDirEntry);
}
inline void vrx_describe(Fields &f, const vrxDbDirCloseScanStruct &r) { f("iHandle", r.iHandle); }
inline void vrx_describe(Fields &f, const vrxUpdateAltServerStruct &r) {
    f("piDbAlias", r.piDbAlias)("piHostName", r.piHostName)("piPort", r.piPort);
}
inline void vrx_describe(Fields &f, const vrxNodeRecord &r) {
    f("structId", r.structId)("comment", r.comment)("nodeName", r.nodeName)("protocol", r.protocol);
}
inline void vrx_describe(Fields &f, const vrxHostDbEntry &r) {
    f("structId", r.structId)("comment", r.comment)("localName", r.localName)("targetName", r.targetName)(
        "requesterName", r.requesterName)("parameters", r.parameters);
}
inline void vrx_describe(Fields &f, const vrxRegistration &r) {
    f("userId", r.userId)("userIdLen", r.userIdLen)("passwordLen", r.passwordLen);
}

// Database control
inline void vrx_describe(Fields &f, const vrxDbDescriptor &r) {
    f("eyeCatcher", r.eyeCatcher)("passThrough", r.passThrough)("comment", r.comment);
}
inline void vrx_describe(Fields &f, const vrxDbCodeSet &r) { f("codeSet", r.codeSet)("territory", r.territory); }
inline void vrx_describe(Fields &f, const vrxDatabaseRestartStruct &r) {
    f("piDbAlias", r.piDbAlias)("piUserName", r.piUserName)("piTablespaceNames", r.piTablespaceNames);
}

// Recovery
inline void vrx_describe(Fields &f, const vrxNameList &r) { f.list("names", r.names, r.count); }
inline void vrx_describe(Fields &f, const vrxLocationList &r) {
    f.list("locations", r.locations, r.count)("mediaType", r.mediaType);
}
inline void vrx_describe(Fields &f, const vrxTablespaceEntry &r) { f("length", r.length)("text", r.text); }
inline void vrx_describe(Fields &f, const vrxTablespaceList &r) {
    f("count", r.count).list("entries", r.entries, r.count);
}
inline void vrx_describe(Fields &f, const vrxMediaList &r) {
    f("mediaType", r.mediaType)("entryCount", r.entryCount)("entries", r.entries);
}
inline void vrx_describe(Fields &f, const vrxBackupStruct &r) {
    f("dbAlias", r.dbAlias)("identifier", r.identifier)("timestamp", r.timestamp)("tablespaces", r.tablespaces)(
        "media", r.media)("userName", r.userName)("values", r.values)("text4", r.text4);
}
inline void vrx_describe(Fields &f, const vrxRestoreStruct &r) {
    f("sourceDbAlias", r.sourceDbAlias)("targetDbAlias", r.targetDbAlias)("identifier", r.identifier)(
        "timestamp", r.timestamp)("tablespaces", r.tablespaces)("media", r.media)("userName", r.userName)(
        "values", r.values);
}
inline void vrx_describe(Fields &f, const vrxArchiveLogStruct &r) {
    f("dbAlias", r.dbAlias)("userName", r.userName)("value1", r.value1)("value2", r.value2)("value3", r.value3)(
        "value4", r.value4);
}

// Instances
inline void vrx_describe(Fields &f, const vrxInstanceCommStruct &r) {
    f("iValue", r.iValue)("piText1", r.piText1)("piText2", r.piText2)("piText3", r.piText3);
}
inline void vrx_describe(Fields &f, const vrxInstanceStruct &r) {
    f("iIsRemote", r.iIsRemote)("piInstanceName", r.piInstanceName)("piComm", r.piComm)("piOptions", r.piOptions);
}
inline void vrx_describe(Fields &f, const vrxInstanceQuiesceStruct &r) {
    f("piText1", r.piText1)("piText2", r.piText2)("piText3", r.piText3)("iValueA", r.iValueA)("iValueB", r.iValueB);
}
inline void vrx_describe(Fields &f, const vrxInstanceUnquiesceStruct &r) { f("piText", r.piText); }
inline void vrx_describe(Fields &f, const vrxDatabaseQuiesceStruct &r) {
    f("iField1", r.iField1)("iValueA", r.iValueA)("iValueB", r.iValueB)("iField4", r.iField4);
}
inline void vrx_describe(Fields &f, const vrxHADRStartStruct &r) {
    f("piText1", r.piText1)("piText2", r.piText2)("piText3", r.piText3)("iValueA", r.iValueA)("iValueB", r.iValueB);
}
inline void vrx_describe(Fields &f, const vrxHADRTakeoverStruct &r) {
    f("piText1", r.piText1)("piText2", r.piText2)("piText3", r.piText3)("iValueB", r.iValueB);
}
inline void vrx_describe(Fields &f, const vrxHADRStopStruct &r) {
    f("piText1", r.piText1)("piText2", r.piText2)("piText3", r.piText3);
}
inline void vrx_describe(Fields &f, const vrxPstrRecord &r) {
    f("text1", r.text1)("text2", r.text2)("text3", r.text3)("text4", r.text4);
}
inline void vrx_describe(Fields &f, const vrxPstartRecord &r) {
    f("text1", r.text1)("text2", r.text2)("text3", r.text3);
}
inline void vrx_describe(Fields &f, const vrxPstpRecord &r) { f("text", r.text); }

// Table maintenance
inline void vrx_describe(Fields &f, const vrxColumnData &r) {
    f("piColumnName", r.piColumnName)("iColumnValue", r.iColumnValue);
}
inline void vrx_describe(Fields &f, const vrxColumnDistData &r) {
    f("piColumnName", r.piColumnName)("iValueA", r.iValueA)("iValueB", r.iValueB);
}
inline void vrx_describe(Fields &f, const vrxColumnGrpData &r) {
    f.list("piGroupColumnNames", r.piGroupColumnNames, r.iGroupSize)("iValueA", r.iValueA)("iValueB", r.iValueB);
}
inline void vrx_describe(Fields &f, const vrxRunstatsParms &r) {
    f("iValue1", r.iValue1)("iValue2", r.iValue2)("piTablename", r.piTablename)
        .list("piColumnList", r.piColumnList, r.iNumColumns)
        .list("piColumnDistributionList", r.piColumnDistributionList, r.iNumColdist)
        .list("piColumnGroupList", r.piColumnGroupList, r.iNumColGroups)
        .list("piIndexList", r.piIndexList, r.iNumIndexes)("iValue3", r.iValue3)("iValue4", r.iValue4)(
            "iValue5", r.iValue5)("iValue6", r.iValue6)("iValue7", r.iValue7)("iValue8", r.iValue8);
}
inline void vrx_describe(Fields &f, const vrxReorgParms &r) {
    f("iReorgType", r.iReorgType)("iValues", r.iValues)("piText1", r.piText1)("piText2", r.piText2)("piText3",
                                                                                                     r.piText3);
}
inline void vrx_describe(Fields &f, const vrxInspectParms &r) {
    f("piTexts", r.piTexts)("iValue1", r.iValue1)("iValues2To10", r.iValues2To10)("iValues11To21", r.iValues11To21)(
        "iValue22", r.iValue22);
}
